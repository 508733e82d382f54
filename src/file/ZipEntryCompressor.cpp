#include "file/ZipEntryCompressor.h"

#include "file/RawDeflater.h"
#include "file/RawDeflaterPool.h"
#include "file/ZipCrc32.h"
#include "file/ZipLayout.h"

#include <new>
#include <system_error>
#include <thread>

namespace file
{
ZipEntryCompressor::ZipEntryCompressor (std::vector<DataEntry>& entriesToCompress) : entries (entriesToCompress)
{
    order.reserve (entries.size());

    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].makeData == nullptr)
            order.push_back (i);

    firstDeferredTaken = order.size();

    for (auto i = entries.size(); i-- > 0;)
        if (entries[i].makeData != nullptr)
            order.push_back (i);
}

bool ZipEntryCompressor::compressAll (std::vector<juce::MemoryBlock>& results)
{
    std::atomic<size_t> nextTaken { 0 };

    if (! hasWorkForTwoThreads())
        return makeDeferredData() && compressTakenEntries (nextTaken, results, nullptr);

    // Both threads take the next entry not yet taken, which balances them
    // however the sizes are spread. Each entry is written by one thread into
    // its own result, and its bytes do not depend on which thread made them.
    juce::WaitableEvent deferredDataMade;
    bool helperDone = false;
    std::thread helper;

    try
    {
        helper = std::thread (
            [&]
            {
                const bool made = makeDeferredData();
                deferredDataMade.signal();
                helperDone = compressTakenEntries (nextTaken, results, nullptr) && made;
            });
    }
    catch (const std::system_error&)
    {
        return makeDeferredData() && compressTakenEntries (nextTaken, results, nullptr);
    }

    const bool done = compressTakenEntries (nextTaken, results, &deferredDataMade);
    helper.join();
    return done && helperDone;
}

bool ZipEntryCompressor::hasWorkForTwoThreads() const
{
    // Work is counted in bytes to deflate. Setting up a stream and building
    // its code trees costs zlib about as much as a few hundred bytes, which
    // dominates the small entries of a library. Below the minimum a second
    // thread costs more than it saves.
    constexpr size_t workPerEntry = 256;
    constexpr size_t minWorkForTwoThreads = 64 * 1024;

    size_t work = entries.size() * workPerEntry;

    for (const auto& entry : entries)
        work += entry.data.getSize();

    return work >= minWorkForTwoThreads;
}

bool ZipEntryCompressor::makeDeferredData()
{
    for (auto& entry : entries)
    {
        if (entry.makeData == nullptr)
            continue;

        try
        {
            entry.data = entry.makeData();
        }
        catch (const std::bad_alloc&)
        {
            return false; // the archive is refused, as when zlib runs out of memory
        }

        entry.makeData = nullptr;

        if (entry.data.getSize() > ZipLayout::maxFieldValue32)
            return false;
    }

    return true;
}

bool ZipEntryCompressor::compressTakenEntries (std::atomic<size_t>& nextTaken,
                                               std::vector<juce::MemoryBlock>& results,
                                               juce::WaitableEvent* deferredDataMade)
{
    RawDeflaterPool::Lease deflater (RawDeflaterPool::getShared());
    bool allDone = true;

    for (auto taken = nextTaken++; taken < order.size(); taken = nextTaken++)
    {
        if (taken >= firstDeferredTaken && deferredDataMade != nullptr)
        {
            deferredDataMade->wait();
            deferredDataMade = nullptr;
        }

        const auto i = order[taken];
        juce::MemoryOutputStream buffer (results[i], false);
        allDone = compressEntry (entries[i], deflater.get(), buffer) && allDone;
    }

    return allDone;
}

bool ZipEntryCompressor::compressEntry (DataEntry& entry, RawDeflater& deflater, juce::MemoryOutputStream& buffer)
{
    const auto* data = entry.data.getData();
    const auto size = entry.data.getSize();
    entry.checksum = ZipCrc32::update (0, data, size);

    if (entry.compressionLevel <= 0)
        return buffer.write (data, size);

    // An empty entry still gets its final block.
    return deflater.compress (data, size, entry.compressionLevel, buffer);
}
} // namespace file
