#include "file/ProgramFileReader.h"

#include "file/FileResultCodes.h"
#include "file/ZipLibraryFileReader.h"

namespace xTV200_file
{
int ProgramFileReader::read (const juce::File& file)
{
    ZipLibraryFileReader reader (file);

    if (const auto code = reader.read(); code != file::ReadResult::noError)
        return code;

    if (reader.getPrograms().empty())
        return file::ReadResult::programDataMissing;

    program.copyFrom (reader.getPrograms().front().program);
    return file::ReadResult::noError;
}
} // namespace xTV200_file
