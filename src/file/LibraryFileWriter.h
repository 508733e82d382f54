#pragma once

#include "data/LibraryData.h"
#include "file/FileWriter.h"

namespace xTV200_file
{
/** Writes a library file (".tvlib"): the favourites, then programs 0-299. */
class LibraryFileWriter final : public file::FileWriter
{
public:
    explicit LibraryFileWriter (const xTV200_data::LibraryData& libraryToWrite)
        : library (libraryToWrite)
    {
    }

    int write (const juce::File& file) override;

private:
    const xTV200_data::LibraryData& library;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LibraryFileWriter)
};
} // namespace xTV200_file
