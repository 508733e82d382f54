#include "data/ParameterGroup.h"
#include "data/ParameterMap.h"
#include "data/parameters/EffectRecords.h"
#include "data/parameters/OscillatorControlRecords.h"
#include "data/ValueFormatter.h"
#include "ParameterTestBlocks.h"

#include <gtest/gtest.h>

using namespace xTV200_data;

namespace
{
/** The fixed record of a parameter (program records as the initial program chooses them). */
ParameterInfo recordOf (ParameterId id)
{
    ParameterInfo info;
    const test::TestProgramBytes initial;
    const auto found = id.group >= firstGlobalParameterGroup ? getGlobalParameterInfo (id, info)
                                                             : getParameterInfo (id, initial.block(), info);
    EXPECT_TRUE (found) << id.group << "." << id.index;
    return info;
}

ParameterInfo customRecord (int formatter, int minimum, int maximum)
{
    ParameterInfo info;
    info.formatter = formatter;
    info.minimum = static_cast<std::int16_t> (minimum);
    info.maximum = static_cast<std::int16_t> (maximum);
    return info;
}

struct TextCase
{
    ParameterId id;
    int value;
    const char* expected; // UTF-8
};

void PrintTo (const TextCase& c, std::ostream* os)
{
    *os << c.id.group << "." << c.id.index << " = " << c.value;
}

class ParameterValueTextOfRecords : public testing::TestWithParam<TextCase>
{
};

TEST_P (ParameterValueTextOfRecords, ShowsWhatTheSynthesizerShows)
{
    const auto& c = GetParam();
    EXPECT_EQ (getParameterValueText (recordOf (c.id), c.value), juce::String::fromUTF8 (c.expected));
}

// clang-format off
const TextCase recordTextCases[] = {
    // names and clamping to the range
    { { 0, 12 }, 0, "Synth" }, { { 0, 12 }, 8, "User" }, { { 0, 12 }, 200, "User" }, { { 0, 12 }, -3, "Synth" },
    { { 0, 13 }, 2, "Split" },
    // program name characters, clamped to 32...125
    { { 0, 0 }, 73, "I" }, { { 0, 0 }, 0, " " }, { { 0, 0 }, 127, "}" },
    // formatter 22
    { { 0, 14 }, 0, "Global" }, { { 0, 14 }, 1, " 1" }, { { 0, 14 }, 16, "16" },
    // note names across octaves (formatter 23)
    { { 0, 15 }, 0, "C -1" }, { { 0, 15 }, 11, "B -1" }, { { 0, 15 }, 12, "C 0" }, { { 0, 15 }, 60, "C 4" },
    { { 0, 15 }, 61, "C#4" }, { { 0, 15 }, 127, "G 9" },
    // number styles: W2, W3, W5, W1
    { { 2, 2 }, 5, " 5" }, { { 2, 2 }, 99, "99" },
    { { 2, 3 }, 7, "  7" }, { { 2, 3 }, 127, "127" },
    { { 7, 14 }, 5, "    5" }, { { 7, 14 }, 32767, "32767" },
    { { 8, 9 }, 8, "8" }, { { 8, 10 }, 1, "1" },
    { { 9, 6 }, 1, " 1" }, { { 9, 6 }, 10, "10" },
    { { 8, 1 }, 120, "120" }, { { 8, 1 }, 20, " 20" },
    // Sn: S3 through formatters 9, 10, 11, 13, 14
    { { 2, 8 }, 5, "+05" }, { { 2, 8 }, -12, "-12" }, { { 2, 8 }, 0, "+00" },
    { { 2, 13 }, 24, "+24" }, { { 2, 4 }, -48, "-48" }, { { 2, 6 }, 63, "+63" }, { { 14, 0 }, -99, "-99" },
    // formatter 15: value - 2 as S2
    { { 7, 8 }, 0, "-2" }, { { 7, 8 }, 2, "+0" }, { { 7, 8 }, 4, "+2" },
    // formatter 17: favourite program numbers 1...300
    { { 18, 0 }, 0, "  1" }, { { 18, 47 }, 299, "300" },
    // formatter 27: S3 " cent"
    { { 2, 5 }, 5, "+05 cent" }, { { 2, 5 }, -50, "-50 cent" },
    // formatter 28: the cent table at both ends
    { { 2, 7 }, 0, "+0000 cent" }, { { 2, 7 }, 6, "+0010 cent" }, { { 2, 7 }, 63, "+2400 cent" },
    { { 2, 7 }, -63, "-2400 cent" }, { { 2, 7 }, -1, "-0001 cent" },
    // formatter 29: oscillator types
    { { 2, 12 }, 0, "Off" }, { { 2, 12 }, 1, "[ANLG] Saw" }, { { 2, 12 }, 5, "[ANLG] White Noise" },
    { { 2, 12 }, 32, "[ANLG] VPM Sine" }, { { 2, 12 }, 33, "[DWGS] Syn Sine 1" }, { { 2, 12 }, 73, "[DWGS] E.Piano 1" },
    { { 2, 12 }, 96, "[DWGS] Syn Vox 2" }, { { 2, 12 }, 97, "[PCM] A.Piano" }, { { 2, 12 }, 126, "[PCM] E.Bass 3" },
    { { 2, 12 }, 127, "[MIC] Mic In" }, { { 4, 22 }, 200, "[MIC] Mic In" },
    // formatter 31
    { { 2, 30 }, 0, "LPF Tolm 1" }, { { 2, 30 }, 17, "BPF+ Tolm" },
    // formatter 32: the key track table at both ends
    { { 2, 36 }, 0, "+0.00" }, { { 2, 36 }, 12, "+0.25" }, { { 2, 36 }, -31, "-0.64" }, { { 2, 36 }, 49, "+1.06" },
    { { 2, 36 }, 63, "+2.00" }, { { 2, 36 }, -63, "-2.00" },
    // formatter 33: Pan
    { { 2, 39 }, 0, "L63" }, { { 2, 39 }, 1, "L63" }, { { 2, 39 }, 63, "L01" }, { { 2, 39 }, 64, "Center" },
    { { 2, 39 }, 65, "R01" }, { { 2, 39 }, 127, "R63" },
    // formatter 36: LFO frequencies
    { { 2, 53 }, 0, "000.01Hz" }, { { 2, 53 }, 24, "000.25Hz" }, { { 2, 53 }, 25, "000.29Hz" },
    { { 2, 53 }, 28, "000.50Hz" }, { { 2, 53 }, 34, "001.00Hz" }, { { 2, 53 }, 35, "001.13Hz" },
    { { 2, 53 }, 37, "001.38Hz" }, { { 2, 53 }, 65, "004.88Hz" }, { { 2, 53 }, 66, "005.00Hz" },
    { { 2, 53 }, 85, "009.75Hz" }, { { 2, 53 }, 86, "010.00Hz" }, { { 2, 53 }, 95, "014.50Hz" },
    { { 2, 58 }, 96, "015.00Hz" }, { { 2, 58 }, 102, "021.50Hz" }, { { 2, 58 }, 127, "100.00Hz" },
    // name lists of the timbre, virtual patches and effects
    { { 2, 56 }, 16, "1/64" }, { { 3, 0 }, 11, "MIDI3" }, { { 3, 1 }, 41, "R/D Time" }, { { 7, 11 }, 6, "JS+Y" },
    { { 6, 1 }, 3, "A&B" }, { { 6, 0 }, 5, "Tone" }, { { 6, 7 }, 5, "BPM Delay" },
    // formatters 48, 50, 54, 55
    { { 7, 7 }, 0, "Disable" }, { { 7, 7 }, 1, "Enable" },
    { { 7, 13 }, 0, "  0" }, { { 7, 13 }, 126, "126" }, { { 7, 13 }, 127, "Hold" },
    { { 8, 7 }, 100, "100%" }, { { 8, 7 }, 5, "  5%" },
    { { 8, 8 }, -5, "-005%" }, { { 8, 8 }, 0, "+000%" }, { { 8, 8 }, 100, "+100%" }, { { 8, 8 }, -100, "-100%" },
    // formatter 56: Master Tune in tenths of hertz, clamped before the transform
    { { 9, 0 }, -100, "430.0Hz" }, { { 9, 0 }, 0, "440.0Hz" }, { { 9, 0 }, -1, "439.9Hz" }, { { 9, 0 }, 100, "450.0Hz" },
    { { 9, 0 }, 200, "450.0Hz" },
    // system names
    { { 9, 3 }, 3, "4(Norm)" }, { { 9, 4 }, 9, "UsrKeyTune" }, { { 9, 5 }, 0, "C " }, { { 9, 5 }, 1, "C#" },
    { { 9, 13 }, 8, "Fickle" },
    // formatter 66: channels 1...16
    { { 11, 0 }, 0, " 1" }, { { 11, 0 }, 15, "16" },
    // formatter 69: MIDI control sources, with the display font's character 0x8C (U+008C)
    { { 11, 4 }, 0, "P.Bend" }, { { 11, 4 }, 1, "A.Touch" }, { { 11, 4 }, 2, "CC#00" }, { { 11, 4 }, 9, "CC#07" },
    { { 11, 4 }, 97, "CC#95" }, { { 11, 4 }, 98, "CC#102" }, { { 11, 4 }, 115, "CC#119" },
    { { 11, 5 }, 116, "CC#16\xC2\x8C" }, { { 11, 5 }, 117, "CC#17\xC2\x8C" }, { { 11, 6 }, 118, "CC#19\xC2\x8C" },
    { { 11, 6 }, 119, "CC#20\xC2\x8C" }, { { 11, 6 }, 120, "CC#21\xC2\x8C" },
    // formatter 19
    { { 11, 7 }, 0, "Disable" }, { { 11, 11 }, 1, "Enable" },
    // formatter 70: control change numbers
    { { 12, 0 }, -1, "Off" }, { { 12, 0 }, 0, "000" }, { { 12, 0 }, 7, "007" }, { { 12, 60 }, 119, "119" },
    // pedal, EQ and CV/gate names
    { { 13, 0 }, 1, "-/VESK" }, { { 13, 3 }, 10, "JS Lock XY" },
    { { 15, 0 }, 0, "  20Hz" }, { { 15, 0 }, 24, " 315Hz" }, { { 15, 0 }, 33, "1000Hz" },
    { { 15, 1 }, 0, " 1.00kHz" }, { { 15, 1 }, 25, "20.00kHz" },
    { { 17, 0 }, 0, "drumvane" }, { { 17, 3 }, 1, "+" },
    // formatter 84
    { { 2, 9 }, 0, "Off" }, { { 2, 9 }, 1, "On" }, { { 16, 1 }, 1, "On" },
};
// clang-format on

INSTANTIATE_TEST_SUITE_P (Formatters, ParameterValueTextOfRecords, testing::ValuesIn (recordTextCases));

TEST (ParameterValueText, Formatter69KeepsTheDisplayCharacter0x8CUnchanged)
{
    const auto text = getParameterValueText (recordOf ({11, 4}), 116);

    ASSERT_EQ (text.length(), 6);
    EXPECT_TRUE (text.startsWith ("CC#16"));
    EXPECT_EQ (text[5], static_cast<juce::juce_wchar> (0x8C));
}

TEST (ParameterValueText, ClampsBeforeTheTransform)
{
    // Transforming first would show 4600 tenths, 401 and 7 - 2.
    EXPECT_EQ (getParameterValueText (recordOf ({9, 0}), 200), "450.0Hz");
    EXPECT_EQ (getParameterValueText (recordOf ({18, 3}), 400), "300");
    EXPECT_EQ (getParameterValueText (recordOf ({7, 8}), 9), "+2");
    EXPECT_EQ (getParameterValueText (recordOf ({7, 8}), -3), "-2");
}

struct CustomTextCase
{
    int formatter;
    int minimum;
    int maximum;
    int value;
    const char* expected;
};

// Records with wider ranges than the map's own reach the rules that clamping
// otherwise hides: a text function's own limits and the empty formatters.
TEST (ParameterValueText, TextFunctionsOutsideTheRangesOfTheMap)
{
    // clang-format off
    const CustomTextCase cases[] = {
        { 85, 0, 127, 5, "" }, { 1000, 0, 127, 5, "" }, { -1, 0, 127, 5, "" },
        { 0, 0, 127, 5, "" }, { 1, 0, 127, 5, "" }, { 77, 0, 127, 5, "" },
        { 4, -10, 10, -5, " -5" }, { 6, -10, 10, -5, "-5" },
        { 22, 0, 20, 17, "" },
        { 23, -12, 0, -1, "B -2" },
        { 29, 0, 200, 128, "Invalid!" },
        { 50, 0, 200, 128, "" },
        { 69, 0, 200, 121, "" },
        { 28, -100, 100, 100, "+2400 cent" }, { 32, -100, 100, -100, "-2.00" },
        { 33, -200, 300, 300, "R63" }, { 45, -200, 300, -200, "L63" },
        { 46, -20, 200, -20, "1/32" }, { 46, 0, 200, 200, "1/2" },
        { 70, -5, 5, -5, "Off" },
        { 20, 0, 20, 15, "" }, // a name list shorter than the range
    };
    // clang-format on

    for (const auto& c : cases)
        EXPECT_EQ (getParameterValueText (customRecord (c.formatter, c.minimum, c.maximum), c.value),
                   c.expected)
            << "formatter " << c.formatter << ", value " << c.value;
}

TEST (ParameterValueText, DelayNoteSwitchesAtEachThreshold)
{
    const auto time = customRecord (46, 0, 127);
    const std::pair<int, const char*> cases[] = {{0, "1/32"},  {9, "1/32"},  {10, "1/16"}, {27, "1/16"},
                                                 {28, "1/8"},  {46, "1/6"},  {64, "3/16"}, {82, "1/4"},
                                                 {100, "3/8"}, {117, "3/8"}, {118, "1/2"}, {127, "1/2"}};

    for (const auto& [value, expected] : cases)
        EXPECT_EQ (getParameterValueText (time, value), expected) << value;
}

/** Every record the map can hand out: the group tables and the dynamic control tables. */
std::vector<ParameterInfo> allRecords()
{
    std::vector<ParameterInfo> records;

    for (int g = 0; g < numParameterGroups; ++g)
    {
        const auto* group = getParameterGroup (g);
        records.insert (records.end(), group->records, group->records + group->numRecords);
    }

    for (const auto& pair : parameter_records::oscillatorControlRecords)
        records.insert (records.end(), {pair.first, pair.second});

    for (const auto& record : parameter_records::preFxControlRecords)
        records.push_back (record);

    for (const auto& pair : parameter_records::modFxControlRecords)
        records.insert (records.end(), {pair.first, pair.second});

    for (const auto& pair : parameter_records::revDelayControlRecords)
        records.insert (records.end(), {pair.first, pair.second});

    return records;
}

TEST (ParameterValueText, EveryUsedRecordHasAFormatterThatShowsSomething)
{
    for (const auto& record : allRecords())
    {
        if (record.kind == ParameterKind::unused)
            continue;

        const auto* formatter = getValueFormatter (record.formatter);
        ASSERT_NE (formatter, nullptr) << record.name;
        EXPECT_TRUE (formatter->text != nullptr || formatter->names.numNames > 0)
            << record.name << " uses the empty formatter " << record.formatter;

        for (int value = record.minimum; value <= record.maximum;
             value += std::max (1, (record.maximum - record.minimum) / 64))
            EXPECT_FALSE (getParameterValueText (record, value).isEmpty()) << record.name << " = " << value;
    }
}

TEST (ParameterValueText, EveryNameListCoversTheRangeOfItsRecords)
{
    for (const auto& record : allRecords())
    {
        const auto* formatter = getValueFormatter (record.formatter);

        if (formatter == nullptr || formatter->text != nullptr || formatter->names.numNames == 0)
            continue;

        EXPECT_EQ (formatter->names.numNames, record.maximum - record.minimum + 1)
            << record.name << " (formatter " << record.formatter << ")";
    }
}

} // namespace
