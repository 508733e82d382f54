#pragma once

#include "data/PresetData.h"
#include "file/FileWriter.h"

namespace xTV200_file
{
/** Writes a preset file (".tvpreset"): the preset information, then programs
    0-299 with their texts as they are (Make Preset File empties them first). */
class PresetFileWriter final : public file::FileWriter
{
public:
    explicit PresetFileWriter (const xTV200_data::PresetData& presetToWrite)
        : preset (presetToWrite)
    {
    }

    int write (const juce::File& file) override;

private:
    const xTV200_data::PresetData& preset;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetFileWriter)
};
} // namespace xTV200_file
