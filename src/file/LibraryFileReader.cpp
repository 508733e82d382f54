#include "file/LibraryFileReader.h"

#include "file/FileResultCodes.h"
#include "file/ZipLibraryFileReader.h"

namespace xTV200_file
{
int LibraryFileReader::read (const juce::File& file)
{
    ZipLibraryFileReader reader (file);

    if (const auto code = reader.read(); code != file::ReadResult::noError)
        return code;

    if (reader.getFavorites().empty())
        return file::ReadResult::favoriteDataMissing;

    auto result = std::make_unique<xTV200_data::LibraryData>();
    result->getFavorites() = reader.getFavorites().front().favorites;

    const auto& programs = reader.getPrograms();
    const auto count =
        std::min (programs.size(), static_cast<size_t> (xTV200_data::LibraryData::numPrograms));

    for (size_t index = 0; index < count; ++index)
        result->getProgram (static_cast<int> (index)) = programs[index].program;

    library.copyFrom (*result);
    return file::ReadResult::noError;
}
} // namespace xTV200_file
