#include "data/parameters/ValueTextFunctions.h"
#include "data/parameters/ValueNameLists.h"
#include "data/parameters/ValueTextTables.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace xTV200_data::value_text
{
namespace
{
int floorDivide (int value, int divisor)
{
    const auto quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

/** "+" or "-" and the table entry for the magnitude of value limited to -63...63. */
int signedTableEntry (int value, const int (&table)[64], char& sign)
{
    const auto limited = std::clamp (value, -63, 63);
    sign = limited < 0 ? '-' : '+';
    return table[std::abs (limited)];
}

/** Pan-like texts: the distance from the middle value 64, limited to 63. */
juce::String aroundTheMiddle (int value, const char* above, const char* middle, const char* below)
{
    const auto distance = std::clamp (value - 64, -63, 63);

    if (distance > 0)
        return formatted ("%s%02d", above, distance);

    if (distance < 0)
        return formatted ("%s%02d", below, -distance);

    return middle;
}

juce::String waveName (const char* prefix, int waveIndex)
{
    if (waveIndex < 0 || waveIndex >= static_cast<int> (std::size (value_tables::waveNames)))
        return formatted ("%sInvalid!", prefix);

    return formatted ("%s%s", prefix, value_tables::waveNames[waveIndex]);
}
} // namespace

juce::String formatted (const char* format, ...)
{
    // Every text of the map is far shorter than this; vsnprintf truncates anything longer.
    char buffer[64];

    va_list arguments;
    va_start (arguments, format);
    const auto length = std::vsnprintf (buffer, sizeof (buffer), format, arguments);
    va_end (arguments);

    if (length <= 0)
        return {};

    return juce::String::fromUTF8 (buffer, std::min (length, static_cast<int> (sizeof (buffer)) - 1));
}

int identity (int value)
{
    return value;
}
int plusOne (int value)
{
    return value + 1;
}
int minusOne (int value)
{
    return value - 1;
}
int plusTwo (int value)
{
    return value + 2;
}
int minusTwo (int value)
{
    return value - 2;
}
int plus4400 (int value)
{
    return value + 4400;
}
int minus4400 (int value)
{
    return value - 4400;
}

juce::String singleCharacter (int value)
{
    return juce::String::charToString (static_cast<juce::juce_wchar> (std::clamp (value, 0, 0x10ffff)));
}

juce::String channelOrGlobal (int value)
{
    if (value == 0)
        return "Global";

    if (value >= 1 && value <= 16)
        return blankPadded<2> (value);

    return {};
}

juce::String noteName (int value)
{
    const auto octave = floorDivide (value, 12);
    const auto note = value - octave * 12;
    return formatted ("%s%d", value_names::noteNames[note], octave - 1);
}

juce::String cents (int value)
{
    return formatted ("%+03d cent", value);
}

juce::String pitchCents (int value)
{
    char sign = '+';
    const auto entry = signedTableEntry (value, value_tables::centTable, sign);
    return formatted ("%c%04d cent", sign, entry);
}

juce::String oscillatorType (int value)
{
    if (value == 0)
        return "Off";

    if (value >= 1 && value <= 32)
        return formatted ("[ANLG] %s", value_tables::analogueOscillatorNames[value - 1]);

    if (value >= 33 && value <= 96)
        return waveName ("[DWGS] ", value - 33);

    if (value >= 97 && value <= 126)
        return waveName ("[PCM] ", value - 33);

    if (value == 127)
        return "[MIC] Mic In";

    return "Invalid!";
}

juce::String harmonics (int value)
{
    return value == 0 ? juce::String ("0.5") : blankPadded<1> (value);
}

juce::String keyTrack (int value)
{
    char sign = '+';
    const auto hundredths = signedTableEntry (value, value_tables::keyTrackTable, sign);
    return formatted ("%c%d.%02d", sign, hundredths / 100, hundredths % 100);
}

juce::String pan (int value)
{
    return aroundTheMiddle (value, "R", "Center", "L");
}

juce::String toneBalance (int value)
{
    return aroundTheMiddle (value, "H", "Flat", "L");
}

juce::String delayTimeNote (int value)
{
    static constexpr int thresholds[] = {10, 28, 46, 64, 82, 100, 118, 128};
    static constexpr const char* notes[] = {"1/32", "1/16", "1/8", "1/6", "3/16", "1/4", "3/8", "1/2"};

    const auto limited = std::clamp (value, 0, 127);
    const auto found = std::find_if (std::begin (thresholds), std::end (thresholds),
                                     [limited] (int threshold) { return limited < threshold; });
    const auto i = std::min (static_cast<int> (found - std::begin (thresholds)), 7);
    return notes[i];
}

juce::String disableOrEnable (int value)
{
    return value == 0 ? "Disable" : "Enable";
}

juce::String sensitivityOrHold (int value)
{
    if (value == 127)
        return "Hold";

    if (value >= 0 && value <= 126)
        return blankPadded<3> (value);

    return {};
}

juce::String percent (int value)
{
    return formatted ("%3d%%", value);
}

juce::String signedPercent (int value)
{
    return formatted ("%+04d%%", value);
}

juce::String tenthsOfHertz (int value)
{
    return formatted ("%03d.%dHz", value / 10, value % 10);
}

juce::String midiControlSource (int value)
{
    // The last five sources carry a character of the synthesizer's own display
    // font, code 0x8C, which is kept as that character (U+008C) in the text.
    static constexpr int lastControlNumbers[] = {16, 17, 19, 20, 21};

    if (value == 0)
        return "P.Bend";

    if (value == 1)
        return "A.Touch";

    if (value >= 2 && value <= 97)
        return formatted ("CC#%02d", value - 2);

    if (value >= 98 && value <= 115)
        return formatted ("CC#%03d", value + 4);

    if (value >= 116 && value <= 120)
        return formatted ("CC#%02d\xC2\x8C", lastControlNumbers[value - 116]);

    return {};
}

juce::String controlChangeNumberOrOff (int value)
{
    return value < 0 ? juce::String ("Off") : formatted ("%03d", value);
}

juce::String offOrOn (int value)
{
    return value == 0 ? "Off" : "On";
}

} // namespace xTV200_data::value_text
