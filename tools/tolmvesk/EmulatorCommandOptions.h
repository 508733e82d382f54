#pragma once

#include "midi/emulator/SynthesizerEmulatorOptions.h"
#include "tolmvesk/OptionReader.h"

namespace tolmvesk
{
/** The emulated synthesizer's settings from a command's options:
    --channel N (1-16), --write-protect, --paced (at the DIN wire rate),
    --load FILE (its 300 programs from a library or preset), and the faults
    --fail-silent-after N (messages), --fail-broken-dump NUMBER (1-300),
    --fail-other-maker, --fail-clock-in-sysex, --fail-split-sysex BYTES,
    --fail-nak-write N (the N-th program write, from 1).
*/
struct EmulatorCommandOptions
{
    xTV200_midi::SynthesizerEmulatorOptions emulator;
    juce::String programsFile;
    bool anyGiven = false;

    /** Takes the options out of the reader's arguments; problems are
        recorded as the reader's error. */
    static EmulatorCommandOptions take (OptionReader& options);
};
} // namespace tolmvesk
