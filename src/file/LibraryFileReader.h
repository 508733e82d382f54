#pragma once

#include "data/LibraryData.h"
#include "file/FileReader.h"

namespace xTV200_file
{
/** Reads a library file (".tvlib").

    The file is read into a fresh library; only when all of it has been read
    does it replace the target, so on any code but 0 the target is untouched.
    Programs the file does not hold are initial programs with empty texts.
*/
class LibraryFileReader final : public file::FileReader
{
public:
    explicit LibraryFileReader (xTV200_data::LibraryData& libraryToFill)
        : library (libraryToFill)
    {
    }

    /** The codes of ZipLibraryFileReader::read(), and 9 when the file holds
        no favourites. */
    int read (const juce::File& file) override;

private:
    xTV200_data::LibraryData& library;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LibraryFileReader)
};
} // namespace xTV200_file
