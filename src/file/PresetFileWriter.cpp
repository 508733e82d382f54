#include "file/PresetFileWriter.h"

#include "file/ZipLibraryFileWriter.h"

namespace xTV200_file
{
int PresetFileWriter::write (const juce::File& file)
{
    ZipLibraryFileWriter writer;
    writer.addPresetInformation (preset.getInformation());

    for (int index = 0; index < xTV200_data::PresetData::numPrograms; ++index)
        writer.addProgramData (preset.getProgram (index));

    return writer.writeToFile (file);
}
} // namespace xTV200_file
