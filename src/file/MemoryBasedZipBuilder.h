#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <vector>

namespace file
{
/** Collects named blocks of bytes and writes them as one zip archive.

    The archive holds, in the order the entries were added, a local header and
    the data of each entry, then the central directory and the end record. No
    archive comment, extra fields, data descriptors or zip64 records are
    written, and every entry carries the same fixed modification stamp, so the
    same entries always give the same bytes.
*/
class MemoryBasedZipBuilder final
{
public:
    /** Gives the bytes of a deferred entry. The makers of an archive run
        once each, one after another in the order their entries were added,
        while the archive is written, and for a large archive on a thread of
        their own: they must share nothing unguarded with the rest of the
        program.
    */
    using DataMaker = std::function<juce::MemoryBlock()>;

    /** One entry as it was added, with what writing it found out. */
    struct DataEntry
    {
        juce::String name;
        juce::MemoryBlock data;

        /** 0 or less: stored; 1 to 9: deflate at that level (more is taken as 9). */
        int compressionLevel = 0;

        /** The name written into the archive. */
        juce::String storedPathName;

        // Set while writing.
        juce::uint32 compressedSize = 0;
        juce::uint32 headerStart = 0;
        juce::uint32 checksum = 0;

        /** Set for a deferred entry until writing has made its data. */
        DataMaker makeData;
    };

    MemoryBasedZipBuilder() = default;

    /** Appends an entry holding a copy of data. It is stored under
        storedPathName, or under name when storedPathName is empty.
    */
    void addEntry (const juce::String& name, const juce::MemoryBlock& data, int compressionLevel,
                   const juce::String& storedPathName = {});

    /** Appends an entry whose bytes makeData gives while the archive is
        written, so that making them (writing an XML document, say) runs
        beside the compressing of the other entries.
    */
    void addDeferredEntry (const juce::String& name, DataMaker makeData, int compressionLevel,
                           const juce::String& storedPathName = {});

    int getNumEntries() const noexcept { return static_cast<int> (entries.size()); }

    /** Writes the whole archive at the target's current position; the offsets
        in the archive count from there.

        Returns false, having written nothing, when the entries do not fit the
        16-bit count or their names the 16-bit name length or an entry the
        32-bit size, or making or compressing an entry fails, and returns
        false part-way when the archive outgrows the 32-bit sizes and offsets. Writes to the target itself are not checked:
        the caller judges them by its own stream. Archives of many entries or
        much data are compressed on two threads.
    */
    bool writeToStream (juce::OutputStream& target);

private:
    bool entriesFitTheLayout() const;
    static void writeLocalHeader (juce::OutputStream& target, const DataEntry& entry);
    static void writeCentralHeader (juce::OutputStream& target, const DataEntry& entry);
    static void writeEndRecord (juce::OutputStream& target, int numEntries, juce::uint32 directorySize,
                                juce::uint32 directoryOffset);

    std::vector<DataEntry> entries;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MemoryBasedZipBuilder)
};
} // namespace file
