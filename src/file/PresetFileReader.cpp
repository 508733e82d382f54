#include "file/PresetFileReader.h"

#include "file/FileResultCodes.h"
#include "file/ZipLibraryFileReader.h"

namespace xTV200_file
{
int PresetFileReader::read (const juce::File& file)
{
    ZipLibraryFileReader reader (file);

    if (const auto code = reader.read(); code != file::ReadResult::noError)
        return code;

    if (reader.getPresetInformations().empty())
        return file::ReadResult::presetInformationMissing;

    auto result = std::make_unique<xTV200_data::PresetData>();
    result->getInformation() = reader.getPresetInformations().front().information;

    const auto& programs = reader.getPrograms();
    const auto count = std::min (programs.size(), static_cast<size_t> (xTV200_data::PresetData::numPrograms));

    for (size_t index = 0; index < count; ++index)
        result->getProgram (static_cast<int> (index)) = programs[index].program;

    preset = *result;
    return file::ReadResult::noError;
}
} // namespace xTV200_file
