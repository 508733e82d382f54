#pragma once

#include "data/LibraryData.h"
#include "file/FileReader.h"

namespace xTV200_file
{
/** Imports a library file of the older editor (".XTV200_all").

    The file is a chunk "TV200AllD" with a count of 3, followed by its three
    chunks: the program set "TV200PrgS" (300 chunks "TV200PrgD"), the global
    data "TV200GlbD" (the favourites), and any others, which are skipped.

    The import fills a fresh library and replaces the target only on success,
    so on any code but 0 the target is untouched. A part the file does not
    carry keeps the value of a freshly constructed library.

    Every chunk must lie inside what holds it (the file, or the program set
    for a program), so damaged or hostile lengths end the import with a code
    in bounded time and memory.
*/
class TonexaLibraryDataImporter final : public file::FileReader
{
public:
    /** Files larger than this are refused unread: a genuine file is about 170 KB. */
    static constexpr juce::int64 maxFileSize = 16 * 1024 * 1024;

    explicit TonexaLibraryDataImporter (xTV200_data::LibraryData& libraryToFill)
        : library (libraryToFill)
    {
    }

    /** Returns 0; 1 (ReadErrorOpenFile) when the file cannot be opened or read
        whole, or is larger than maxFileSize; 2 (ReadErrorInvalidType) when it
        is not such a file or a chunk is cut short or lies outside what holds
        it; 4 (ReadErrorInvalidProgramNumber) when the program set does not
        count 300 programs.
    */
    int read (const juce::File& file) override;

    /** Imports from the bytes of a whole file; the codes of read() but 1. */
    int readBytes (const void* data, size_t size);

private:
    xTV200_data::LibraryData& library;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TonexaLibraryDataImporter)
};
} // namespace xTV200_file
