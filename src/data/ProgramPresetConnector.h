#pragma once

#include "data/PresetLibrary.h"
#include "data/ProgramData.h"

namespace xTV200_data
{
/** Finds the preset program whose 320 bytes equal a library program's, by hash.

    Initial programs, also with a blank name, never match: every preset has
    some, and they say nothing about where a sound came from.
*/
class ProgramPresetConnector
{
public:
    /** Searches the installed presets of the data centre. */
    explicit ProgramPresetConnector (const ProgramData& program);
    ProgramPresetConnector (const ProgramData& program, const PresetLibrary& presets);
    virtual ~ProgramPresetConnector() = default;

    bool found = false;
    int presetIndex = -1;
    int programIndex = -1;

private:
    void search (const PresetLibrary& presets);

    const ProgramData* program;
    juce::String initHash, blankInitHash;
};
} // namespace xTV200_data
