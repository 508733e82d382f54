#pragma once

#include "data/PresetData.h"
#include "file/FileReader.h"

namespace xTV200_file
{
/** Reads a preset file (".tvpreset" or an installed ".itvpreset").

    The file is read into a fresh preset; only a complete read replaces the
    target. Programs the file does not hold are initial programs with empty
    texts.
*/
class PresetFileReader final : public file::FileReader
{
public:
    explicit PresetFileReader (xTV200_data::PresetData& presetToFill)
        : preset (presetToFill)
    {
    }

    /** The codes of ZipLibraryFileReader::read(), and 11 when the file holds
        no preset information. */
    int read (const juce::File& file) override;

private:
    xTV200_data::PresetData& preset;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetFileReader)
};
} // namespace xTV200_file
