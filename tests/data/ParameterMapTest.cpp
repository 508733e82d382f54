#include "data/ParameterMap.h"
#include "data/ParameterGroup.h"
#include "ParameterTestBlocks.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace xTV200_data;

namespace
{
constexpr int timbreA = 2;
constexpr int timbreB = 4;
constexpr int effects = 6;

ParameterInfo recordAt (int byteOffset, int byteCount, int bitPosition, int bitCount, bool signExtend)
{
    ParameterInfo info;
    info.byteOffset = static_cast<std::uint16_t> (byteOffset);
    info.byteCount = static_cast<std::uint8_t> (byteCount);
    info.bitPosition = static_cast<std::uint8_t> (bitPosition);
    info.bitCount = static_cast<std::uint8_t> (bitCount);
    info.signExtend = signExtend;
    info.kind = ParameterKind::number;
    return info;
}

//==============================================================================
TEST (ParameterMapLookup, FailsForUnknownGroupsAndIndexes)
{
    const test::TestProgramBytes program;
    const ParameterId unknown[] = {{-1, 0}, {19, 0}, {100, 0}, {0, -1},    {0, 16},
                                   {1, 1},  {2, 62}, {3, 18},  {4, 62},    {5, 18},
                                   {6, 11}, {7, 34}, {8, 19},  {70000, 0}, {0, 70000}};

    for (const auto id : unknown)
    {
        ParameterInfo info;
        info.name = "untouched";
        EXPECT_FALSE (getParameterInfo (id, program.block(), info)) << id.group << "." << id.index;
        EXPECT_STREQ (info.name, "untouched");
        EXPECT_EQ (getParameterValue (id, program.block()), 0);
    }
}

TEST (ParameterMapLookup, ProgramAndGlobalGroupsAreLookedUpSeparately)
{
    test::TestGlobalBytes global;
    global.set (12, 0, 0x07);
    const test::TestProgramBytes program;
    ParameterInfo info;

    EXPECT_FALSE (getParameterInfo ({12, 0}, global.block(), info));
    EXPECT_FALSE (getParameterInfo ({9, 0}, program.block(), info));
    EXPECT_FALSE (getGlobalParameterInfo ({0, 12}, info));
    EXPECT_FALSE (getGlobalParameterInfo ({12, 61}, info));
    EXPECT_FALSE (getGlobalParameterInfo ({18, 48}, info));
    EXPECT_EQ (getGlobalParameterValue ({0, 15}, program.block()), 0);

    ASSERT_TRUE (getGlobalParameterInfo ({12, 0}, info));
    EXPECT_STREQ (info.name, "Porta. Time");
    EXPECT_EQ (getGlobalParameterValue ({12, 0}, global.block()), 7);
}

TEST (ParameterMapLookup, TimbreBUsesTheRecordsOfTimbreAAtItsOwnBytes)
{
    test::TestProgramBytes program;
    program.set (timbreA, 39, 3);
    program.set (timbreB, 39, 11);

    ParameterInfo a, b;
    ASSERT_TRUE (getParameterInfo ({timbreA, 30}, program.block(), a));
    ASSERT_TRUE (getParameterInfo ({timbreB, 30}, program.block(), b));
    EXPECT_STREQ (a.name, b.name);
    EXPECT_EQ (a.byteOffset, b.byteOffset);
    EXPECT_EQ (getParameterValue ({timbreA, 30}, program.block()), 3);
    EXPECT_EQ (getParameterValue ({timbreB, 30}, program.block()), 11);
    EXPECT_EQ (program.bytes[124 + 39], 11);

    // The virtual patches of timbre B start at byte 208.
    program.bytes[208 + 22] = 0xC1;
    EXPECT_EQ (getParameterValue ({5, 17}, program.block()), -63);
}

TEST (ParameterMapLookup, CategoryOfAProgram)
{
    test::TestProgramBytes program;
    program.bytes[12] = 5;

    ParameterInfo info;
    ASSERT_TRUE (getParameterInfo ({0, 12}, program.block(), info));
    EXPECT_EQ (getParameterValueText (info, readParameterValue ({0, 12}, info, program.block())), "Piano");
}

//==============================================================================
struct OscillatorControlCase
{
    int type;
    bool found;
    const char* control1;
    const char* control2;
    ParameterKind kind1;
    ParameterKind kind2;
};

class OscillatorControlChoice : public testing::TestWithParam<OscillatorControlCase>
{
};

constexpr auto used = ParameterKind::number;
constexpr auto unused = ParameterKind::unused;

// clang-format off
const OscillatorControlCase oscillatorControlCases[] = {
    { 0,   true,  "Control1",       "Control2",      unused, unused },
    { 1,   true,  "Waveform",       "Control2",      used,   unused },
    { 2,   true,  "PulseWidth",     "Control2",      used,   unused },
    { 5,   true,  "Decimator Fc",   "Noise Decay",   used,   used },
    { 8,   true,  "Resonance",      "Noise Decay",   used,   used },
    { 9,   true,  "Detune",         "Control2",      used,   unused },
    { 17,  true,  "SlaveOsc Pitch", "Control2",      used,   unused },
    { 24,  true,  "Mod Pitch",      "Control2",      used,   unused },
    { 25,  true,  "Mod Depth",      "Mod Pitch",     used,   used },
    { 32,  true,  "Mod Depth",      "Mod Harmonics", used,   used },
    { 33,  true,  "Detune",         "Mod Depth",     used,   used },
    { 50,  true,  "Detune",         "Mod Depth",     used,   used },
    { 96,  true,  "Detune",         "Mod Depth",     used,   used },
    { 97,  true,  "Control1",       "Control2",      unused, unused },
    { 100, true,  "Control1",       "Control2",      unused, unused },
    { 126, true,  "Control1",       "Control2",      unused, unused },
    { 127, true,  "Gain",           "Control2",      used,   unused },
    { 128, false, "",               "",              unused, unused },
    { 255, false, "",               "",              unused, unused },
};
// clang-format on

TEST_P (OscillatorControlChoice, FollowsTheOscillatorType)
{
    const auto& c = GetParam();
    struct Oscillator
    {
        int typeIndex, control1Index, control2Index, control1Byte;
    };

    for (const auto group : {timbreA, timbreB})
        for (const auto osc :
             {Oscillator{12, 15, 16, 15}, Oscillator{17, 20, 21, 23}, Oscillator{22, 25, 26, 31}})
        {
            SCOPED_TRACE (testing::Message() << "group " << group << ", control " << osc.control1Index);
            test::TestProgramBytes program;
            ParameterInfo typeRecord;
            ASSERT_TRUE (getParameterInfo ({group, osc.typeIndex}, program.block(), typeRecord));
            program.set (group, typeRecord.byteOffset, static_cast<std::uint8_t> (c.type));

            ParameterInfo control1, control2;
            ASSERT_EQ (getParameterInfo ({group, osc.control1Index}, program.block(), control1), c.found);
            ASSERT_EQ (getParameterInfo ({group, osc.control2Index}, program.block(), control2), c.found);

            if (!c.found)
            {
                EXPECT_EQ (getParameterValue ({group, osc.control1Index}, program.block()), 0);
                continue;
            }

            EXPECT_STREQ (control1.name, c.control1);
            EXPECT_STREQ (control2.name, c.control2);
            EXPECT_EQ (control1.kind, c.kind1);
            EXPECT_EQ (control2.kind, c.kind2);

            // The chosen records read the oscillator's own control bytes.
            const auto control1Byte = osc.control1Byte;
            EXPECT_EQ (control1.byteOffset, control1Byte);
            EXPECT_EQ (control2.byteOffset, control1Byte + 1);
            program.set (group, control1Byte, 0x3A);
            program.set (group, control1Byte + 1, 0x05);
            EXPECT_EQ (getParameterValue ({group, osc.control1Index}, program.block()),
                       c.kind1 == used ? 0x3A : 0);
            EXPECT_EQ (getParameterValue ({group, osc.control2Index}, program.block()),
                       c.kind2 == used ? 0x05 : 0);
        }
}

INSTANTIATE_TEST_SUITE_P (Types, OscillatorControlChoice, testing::ValuesIn (oscillatorControlCases));

TEST (ParameterMapLookup, UnusedOscillatorControlsReadNothingAndShowNothing)
{
    test::TestProgramBytes program;
    program.set (timbreA, 12, 100); // a PCM wave
    program.set (timbreA, 15, 0x44);

    ParameterInfo control1;
    ASSERT_TRUE (getParameterInfo ({timbreA, 15}, program.block(), control1));
    EXPECT_EQ (control1.byteCount, 0);
    EXPECT_EQ (readParameterValue ({timbreA, 15}, control1, program.block()), 0);
    EXPECT_EQ (getParameterValueText (control1, 0x44), "");
    EXPECT_FALSE (isParameterActive ({timbreA, 15}, control1, program.block()));
}

TEST (ParameterMapLookup, SignedOscillatorControlsAndHarmonics)
{
    test::TestProgramBytes program;
    program.set (timbreA, 20, 9); // oscillator 2 is a Dual Saw: Control1 is a signed detune
    program.set (timbreA, 23, 0xC1);
    ParameterInfo detune;
    ASSERT_TRUE (getParameterInfo ({timbreA, 20}, program.block(), detune));
    EXPECT_EQ (readParameterValue ({timbreA, 20}, detune, program.block()), -63);
    EXPECT_EQ (getParameterValueText (detune, -63), "-63");

    program.set (timbreA, 28, 29); // oscillator 3 is a VPM Saw: Control2 is the harmonics
    program.set (timbreA, 32, 0);
    ParameterInfo harmonics;
    ASSERT_TRUE (getParameterInfo ({timbreA, 26}, program.block(), harmonics));
    EXPECT_STREQ (harmonics.shortName, "Mod Harm");
    EXPECT_EQ (getParameterValueText (harmonics, 0), "0.5");
    EXPECT_EQ (getParameterValueText (harmonics, 32), "32");
}

//==============================================================================
struct EffectControlCase
{
    int index;
    int typeIndex;
    int type;
    const char* name;
    int formatter;
    int byteOffset;
};

// clang-format off
const EffectControlCase effectControlCases[] = {
    { 2, 0, 0, "Drive", 4, 2 }, { 2, 0, 1, "Frequency", 4, 2 }, { 2, 0, 2, "Frequency", 4, 2 },
    { 2, 0, 3, "Drive", 4, 2 }, { 2, 0, 4, "Drive", 4, 2 },     { 2, 0, 5, "Drive", 45, 2 },
    { 5, 3, 0, "Depth", 4, 5 }, { 5, 3, 5, "Depth", 4, 5 },     { 6, 3, 0, "Speed", 4, 6 }, { 6, 3, 5, "Speed", 4, 6 },
    { 9, 7, 0, "Depth", 4, 9 }, { 9, 7, 5, "Depth", 4, 9 },
    { 10, 7, 0, "Time", 4, 10 }, { 10, 7, 3, "Time", 4, 10 },   { 10, 7, 4, "Time", 46, 10 }, { 10, 7, 5, "Time", 46, 10 },
};
// clang-format on

TEST (ParameterMapLookup, EffectControlsFollowTheirEffectType)
{
    for (const auto& c : effectControlCases)
    {
        SCOPED_TRACE (testing::Message() << "index " << c.index << ", type " << c.type);
        test::TestProgramBytes program;
        program.set (effects, c.typeIndex, static_cast<std::uint8_t> (c.type));
        program.set (effects, c.byteOffset, 99);

        ParameterInfo info;
        ASSERT_TRUE (getParameterInfo ({effects, c.index}, program.block(), info));
        EXPECT_STREQ (info.name, c.name);
        EXPECT_EQ (info.formatter, c.formatter);
        EXPECT_EQ (info.byteOffset, c.byteOffset);
        EXPECT_EQ (getParameterValue ({effects, c.index}, program.block()), 99);
    }
}

TEST (ParameterMapLookup, EffectControlsFailAboveType5)
{
    for (const auto type : {6, 127, 255})
    {
        test::TestProgramBytes program;
        program.set (effects, 0, static_cast<std::uint8_t> (type));
        program.set (effects, 3, static_cast<std::uint8_t> (type));
        program.set (effects, 7, static_cast<std::uint8_t> (type));

        for (const auto index : {2, 5, 6, 9, 10})
        {
            ParameterInfo info;
            EXPECT_FALSE (getParameterInfo ({effects, index}, program.block(), info)) << index << " " << type;
            EXPECT_EQ (getParameterValue ({effects, index}, program.block()), 0);
        }

        // The types and switches themselves stay plain records.
        EXPECT_EQ (getParameterValue ({effects, 0}, program.block()), type);
        EXPECT_EQ (getParameterValue ({effects, 8}, program.block()), program.bytes[232 + 8]);
    }
}

TEST (ParameterMapLookup, ToneControlShowsItsBalance)
{
    test::TestProgramBytes program;
    program.set (effects, 0, 5); // Tone
    ParameterInfo tone;
    ASSERT_TRUE (getParameterInfo ({effects, 2}, program.block(), tone));

    const std::pair<int, const char*> cases[] = {{64, "Flat"}, {65, "H01"}, {63, "L01"},
                                                 {0, "L63"},   {1, "L63"},  {127, "H63"}};

    for (const auto& [value, expected] : cases)
        EXPECT_EQ (getParameterValueText (tone, value), expected) << value;
}

//==============================================================================
TEST (ParameterMapCategory, OscillatorTypeCategories)
{
    const std::pair<int, int> cases[] = {{-1, -1}, {0, -1},  {1, 0},   {32, 0},   {33, 1},  {96, 1},
                                         {97, 2},  {126, 2}, {127, 3}, {128, -1}, {255, -1}};

    for (const auto& [value, category] : cases)
        EXPECT_EQ (getOscillatorTypeCategory (value), category) << value;
}

//==============================================================================
TEST (ParameterMapRead, ArpeggiatorStepsAreTheBitsOfByte12FromTheTop)
{
    for (int step = 1; step <= 8; ++step)
    {
        test::TestProgramBytes program;
        program.set (8, 12, static_cast<std::uint8_t> (0x80 >> (step - 1)));

        for (int other = 1; other <= 8; ++other)
            EXPECT_EQ (getParameterValue ({8, 10 + other}, program.block()), other == step ? 1 : 0)
                << "byte for step " << step << ", step " << other;
    }
}

TEST (ParameterMapRead, OneBitSwitchesReadTheLeastSignificantBit)
{
    test::TestGlobalBytes global;
    global.set (9, 14, 0xFE);
    global.set (11, 7, 0x03);
    EXPECT_EQ (getGlobalParameterValue ({9, 12}, global.block()), 0); // Memory Protect
    EXPECT_EQ (getGlobalParameterValue ({11, 7}, global.block()), 1); // Program Change

    global.set (9, 14, 0x01);
    EXPECT_EQ (getGlobalParameterValue ({9, 12}, global.block()), 1);
}

TEST (ParameterMapRead, BitPositionsCountFromTheMostSignificantBit)
{
    test::TestProgramBytes program;
    program.set (1, 0, 0x2C); // 0010 1100

    // bits 2...4 from the top of one byte: 101
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (0, 1, 2, 3, false), program.block()), 5);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (0, 1, 2, 3, true), program.block()), -3);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (0, 1, 0, 1, false), program.block()), 0);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (0, 1, 2, 1, false), program.block()), 1);

    // In a two-byte word the bits count from the top of the high byte.
    program.set (1, 1, 0x34);
    program.set (1, 2, 0x12); // word 0x1234
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (1, 2, 4, 8, false), program.block()), 0x23);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (1, 2, 0, 4, false), program.block()), 0x1);
}

TEST (ParameterMapRead, BitsPastTheEndOfTheWordReadZero)
{
    test::TestProgramBytes program;
    program.set (1, 0, 0xFF);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (0, 1, 4, 8, false), program.block()), 0);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (0, 1, 1, 8, false), program.block()), 0);
}

TEST (ParameterMapRead, TwoByteValuesAreLittleEndian)
{
    test::TestProgramBytes program;
    EXPECT_EQ (program.bytes[296], 0x78);
    EXPECT_EQ (program.bytes[297], 0x00);
    EXPECT_EQ (getParameterValue ({8, 1}, program.block()), 120);

    program.set (8, 0, 0x2C);
    program.set (8, 1, 0x01);
    EXPECT_EQ (getParameterValue ({8, 1}, program.block()), 300);

    program.set (7, 16, 0x34);
    program.set (7, 17, 0x12);
    EXPECT_EQ (getParameterValue ({7, 14}, program.block()), 0x1234);

    test::TestGlobalBytes global;
    global.set (18, 94, 0x2B);
    global.set (18, 95, 0x01);
    EXPECT_EQ (getGlobalParameterValue ({18, 47}, global.block()), 299);
}

TEST (ParameterMapRead, SignExtension)
{
    struct Case
    {
        ParameterId id;
        int byteInGroup;
        std::uint8_t byte;
        int expected;
    };

    const Case cases[] = {
        {{timbreA, 4}, 4, 0xFF, -1}, {{timbreA, 4}, 4, 0xD0, -48},
        {{timbreA, 4}, 4, 0x30, 48}, {{timbreA, 12}, 12, 0xFF, 255}, // unsigned
        {{8, 8}, 9, 0x9C, -100},     {{7, 9}, 9, 0x80, -128},
    };

    for (const auto& c : cases)
    {
        test::TestProgramBytes program;
        program.set (c.id.group, c.byteInGroup, c.byte);
        EXPECT_EQ (getParameterValue (c.id, program.block()), c.expected) << c.id.group << "." << c.id.index;
    }

    test::TestGlobalBytes global;
    global.set (12, 0, 0xFF);
    global.set (18, 0, 0xFF);
    global.set (18, 1, 0xFF);
    global.set (18, 2, 0x00);
    global.set (18, 3, 0x80);
    EXPECT_EQ (getGlobalParameterValue ({12, 0}, global.block()), -1);
    EXPECT_EQ (getGlobalParameterValue ({18, 0}, global.block()), -1);
    EXPECT_EQ (getGlobalParameterValue ({18, 1}, global.block()), -32768);

    // An unsigned 16-bit value above 32767 is kept as its 16-bit signed pattern.
    test::TestProgramBytes program;
    program.set (7, 16, 0xFF);
    program.set (7, 17, 0xFF);
    EXPECT_EQ (getParameterValue ({7, 14}, program.block()), -1);
}

TEST (ParameterMapRead, AValueBeyondItsGroupsBlockReadsZero)
{
    test::TestProgramBytes program;
    program.bytes[312 + 3] = 0x21;
    program.bytes[312 + 4] = 0x55; // beyond the keyboard group's 4 bytes

    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (3, 1, 0, 8, false), program.block()), 0x21);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (4, 1, 0, 8, false), program.block()), 0);
    EXPECT_EQ (readParameterValue ({1, 0}, recordAt (3, 2, 0, 16, false), program.block()), 0);

    ParameterInfo outside = recordAt (4, 1, 0, 8, false);
    outside.formatter = 4;
    EXPECT_EQ (getParameterValueText (outside, readParameterValue ({1, 0}, outside, program.block())), "  0");
}

TEST (ParameterMapRead, ShortOrMissingBlocksAndUnknownGroupsReadZero)
{
    const test::TestProgramBytes program;
    const auto tempo = recordAt (0, 2, 0, 16, false);
    EXPECT_EQ (readParameterValue ({8, 1}, tempo, program.block()), 120);

    EXPECT_EQ (readParameterValue ({8, 1}, tempo, DataBlock (program.bytes.data(), 297)), 0);
    EXPECT_EQ (readParameterValue ({8, 1}, tempo, DataBlock (program.bytes.data(), 298)), 120);
    EXPECT_EQ (readParameterValue ({8, 1}, tempo, DataBlock (nullptr, 320)), 0);
    EXPECT_EQ (readParameterValue ({19, 1}, tempo, program.block()), 0);
    EXPECT_EQ (readParameterValue ({-1, 1}, tempo, program.block()), 0);
    EXPECT_EQ (getParameterValue ({2, 15}, DataBlock()), 0);

    ParameterInfo info;
    EXPECT_TRUE (getParameterInfo ({2, 15}, DataBlock(), info)); // type 0 reads from no bytes
    EXPECT_EQ (info.kind, ParameterKind::unused);
}

//==============================================================================
TEST (ParameterMapActive, ConditionsReadTheirParameterInTheSameBlock)
{
    test::TestProgramBytes program;
    const auto activeNow = [&program] (ParameterId id)
    {
        ParameterInfo info;
        EXPECT_TRUE (getParameterInfo (id, program.block(), info));
        return isParameterActive (id, info, program.block());
    };

    // Voice Mode: Single, Layer, Split
    program.bytes[13] = 0;
    EXPECT_FALSE (activeNow ({0, 14}));
    EXPECT_FALSE (activeNow ({0, 15}));
    program.bytes[13] = 1;
    EXPECT_TRUE (activeNow ({0, 14}));
    EXPECT_FALSE (activeNow ({0, 15}));
    program.bytes[13] = 2;
    EXPECT_TRUE (activeNow ({0, 15}));
    EXPECT_TRUE (activeNow ({0, 12}));

    // Semitone and Tune of oscillator 2 of timbre B sound for types 1...126 only.
    for (const auto& [type, sounding] : {std::pair{0, false}, {1, true}, {126, true}, {127, false}})
    {
        program.set (timbreB, 20, static_cast<std::uint8_t> (type));
        EXPECT_EQ (activeNow ({timbreB, 18}), sounding) << type;
        EXPECT_EQ (activeNow ({timbreB, 19}), sounding) << type;
        EXPECT_FALSE (activeNow ({timbreA, 18})) << "timbre A keeps its own oscillator type";
    }

    // LFO frequency or sync note, by the LFO's TempoSync
    program.set (timbreA, 71, 0);
    EXPECT_TRUE (activeNow ({timbreA, 53}));
    EXPECT_FALSE (activeNow ({timbreA, 56}));
    program.set (timbreA, 71, 1);
    EXPECT_FALSE (activeNow ({timbreA, 53}));
    EXPECT_TRUE (activeNow ({timbreA, 56}));

    // Vocoder parameters need the vocoder switched on.
    program.set (7, 0, 0);
    EXPECT_TRUE (activeNow ({7, 0}));
    EXPECT_FALSE (activeNow ({7, 33}));
    program.set (7, 0, 1);
    EXPECT_TRUE (activeNow ({7, 33}));

    // Steps up to the last step
    program.set (8, 10, 3);
    for (int step = 1; step <= 8; ++step)
        EXPECT_EQ (activeNow ({8, 10 + step}), step <= 3) << step;
}

TEST (ParameterMapActive, GlobalConditions)
{
    test::TestGlobalBytes global;
    const auto activeNow = [&global] (ParameterId id)
    {
        ParameterInfo info;
        EXPECT_TRUE (getGlobalParameterInfo (id, info));
        return isParameterActive (id, info, global.block());
    };

    EXPECT_FALSE (activeNow ({9, 15}));
    global.set (9, 6, 1);
    EXPECT_TRUE (activeNow ({9, 15}));

    EXPECT_TRUE (activeNow ({13, 2}));
    EXPECT_FALSE (activeNow ({13, 3}));
    global.set (13, 1, 1);
    EXPECT_FALSE (activeNow ({13, 2}));
    EXPECT_TRUE (activeNow ({13, 5}));

    EXPECT_FALSE (activeNow ({17, 1}));
    global.set (17, 0, 2);
    EXPECT_TRUE (activeNow ({17, 3}));
}

} // namespace
