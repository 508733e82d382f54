#pragma once

#include <juce_core/juce_core.h>

// Lets the compiler check the arguments of formatted() against its format.
#if defined(__GNUC__) || defined(__clang__)
#define TOLMVESK_PRINTF_FORMAT(formatIndex, firstArgument)                                                   \
    __attribute__ ((format (printf, formatIndex, firstArgument)))
#else
#define TOLMVESK_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// The transforms and text functions of the value formatters. Each text function
// receives the value after clamping to the record's range and after the
// formatter's transform.
namespace xTV200_data::value_text
{
/** printf-style formatting into one juce::String, read as UTF-8. */
juce::String formatted (const char* format, ...) TOLMVESK_PRINTF_FORMAT (1, 2);

/** Wn: the number right-aligned in n characters, padded with blanks (W1 is the bare number). */
template <int width>
juce::String blankPadded (int value)
{
    return formatted ("%*d", width, value);
}

/** Sn: the sign always ("+" also for 0), digits zero-padded so that sign and digits fill n characters. */
template <int width>
juce::String signedZeroPadded (int value)
{
    return formatted ("%+0*d", width, value);
}

int identity (int value);
int plusOne (int value);
int minusOne (int value);
int plusTwo (int value);
int minusTwo (int value);
int plus4400 (int value);
int minus4400 (int value);

juce::String singleCharacter (int value);          // 18
juce::String channelOrGlobal (int value);          // 22
juce::String noteName (int value);                 // 23
juce::String cents (int value);                    // 27
juce::String pitchCents (int value);               // 28
juce::String oscillatorType (int value);           // 29
juce::String harmonics (int value);                // 30
juce::String keyTrack (int value);                 // 32
juce::String pan (int value);                      // 33
juce::String toneBalance (int value);              // 45
juce::String delayTimeNote (int value);            // 46
juce::String disableOrEnable (int value);          // 48
juce::String sensitivityOrHold (int value);        // 50
juce::String percent (int value);                  // 54
juce::String signedPercent (int value);            // 55
juce::String tenthsOfHertz (int value);            // 56
juce::String midiControlSource (int value);        // 69
juce::String controlChangeNumberOrOff (int value); // 70
juce::String offOrOn (int value);                  // 84

} // namespace xTV200_data::value_text
