#pragma once

#include "tolmvesk/OptionReader.h"

namespace tolmvesk
{
/** Which ports a MIDI command uses, from its options:
    - none: the automatic scan over the computer's MIDI ports;
    - --in NAME --out NAME: those two ports of the computer, by name;
    - --in-stream PATH --out-stream PATH: byte streams (FIFOs, raw MIDI
      devices, serial adapters), scanned like any other ports;
    - --virtual-synth: the built-in emulated synthesizer.
*/
struct MidiPortChoice
{
    enum class Kind
    {
        automatic,
        manual,
        byteStream,
        virtualSynth
    };

    Kind kind = Kind::automatic;
    juce::String inputName;
    juce::String outputName;
    juce::String inputPath;
    juce::String outputPath;

    /** Takes the port options out of the reader's arguments; a wrong
        combination is recorded as the reader's error. */
    static MidiPortChoice take (OptionReader& options);
};
} // namespace tolmvesk
