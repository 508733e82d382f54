#pragma once

#include "file/MemoryBasedZipBuilder.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <vector>

namespace file
{
class RawDeflater;

/** Makes the bytes of an archive's deferred entries and compresses every
    entry, on two threads when there is enough work for them.

    The makers of deferred entries run one after another, in the order the
    entries were added, on one thread: what they build (XML documents, say)
    goes through the framework's shared string pool, whose lock two threads
    building at once would spend most of their time fighting over. That
    thread starts compressing once the makers are done; the other compresses
    from the start, and reaches the deferred entries only after them.
*/
class ZipEntryCompressor final
{
public:
    using DataEntry = MemoryBasedZipBuilder::DataEntry;

    explicit ZipEntryCompressor (std::vector<DataEntry>& entriesToCompress);

    /** Sets every entry's data and checksum and puts its stored bytes in the
        result of the same index. False when making or compressing an entry
        fails, or a made entry outgrows the 32-bit size.
    */
    bool compressAll (std::vector<juce::MemoryBlock>& results);

private:
    bool hasWorkForTwoThreads() const;
    bool makeDeferredData();
    bool compressTakenEntries (std::atomic<size_t>& nextTaken, std::vector<juce::MemoryBlock>& results,
                               juce::WaitableEvent* deferredDataMade);
    static bool compressEntry (DataEntry& entry, RawDeflater& deflater, juce::MemoryOutputStream& buffer);

    std::vector<DataEntry>& entries;

    // The order entries are taken in: those with data from the start, then
    // the deferred ones from the last back, since the largest deferred entry,
    // a table of contents, usually goes last and taken first it leaves no
    // thread working alone at the end.
    std::vector<size_t> order;
    size_t firstDeferredTaken = 0;

    JUCE_DECLARE_NON_COPYABLE (ZipEntryCompressor)
};
} // namespace file
