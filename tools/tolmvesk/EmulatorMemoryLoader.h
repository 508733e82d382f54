#pragma once

#include "midi/emulator/EmulatorMemory.h"

namespace tolmvesk
{
/** Fills the emulated synthesizer's 300 programs from a library or preset
    file; an empty file name keeps the factory programs. Returns what went
    wrong, or an empty text. */
juce::String loadEmulatorPrograms (const juce::String& fileName, xTV200_midi::EmulatorMemory& memory);
} // namespace tolmvesk
