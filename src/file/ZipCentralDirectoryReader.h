#pragma once

#include "file/MemoryBasedZipUncompressor.h"

namespace file
{
/** Finds the end record of a zip archive and reads the entry records of its
    central directory, checking every size and offset against the archive.
*/
struct ZipCentralDirectoryReader final
{
    using EntryRecord = MemoryBasedZipUncompressor::EntryRecord;

    /** The end record is searched for in this many bytes at the end of the
        archive, which leaves room for a comment of up to 1024 bytes. */
    static constexpr int endRecordSearchLength = 1024 + 22;

    /** Fills entries in directory order.

        Returns success with no entries when the archive holds no end record
        (it is not a zip archive), and a failure with no entries when the end
        record or the directory is damaged: a directory outside the archive or
        larger than maxDirectorySize, fewer records than the end record counts,
        a record with a wrong signature or running past the directory, a local
        header offset at or past the directory, or two entries sharing one
        local header.
    */
    static juce::Result read (juce::InputStream& archive, std::vector<EntryRecord>& entries);
};
} // namespace file
