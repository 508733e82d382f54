#include "file/MemoryBasedZipBuilder.h"

#include "file/RawDeflater.h"
#include "file/ZipCrc32.h"
#include "file/ZipLayout.h"

#include <atomic>
#include <system_error>
#include <thread>

namespace file
{
namespace
{
size_t getUtf8Size (const juce::String& text)
{
    return text.getNumBytesAsUTF8();
}

void writeUInt16 (juce::OutputStream& target, juce::uint32 value)
{
    target.writeShort (static_cast<short> (static_cast<juce::uint16> (value)));
}

void writeUInt32 (juce::OutputStream& target, juce::uint32 value)
{
    target.writeInt (static_cast<int> (value));
}

void writeName (juce::OutputStream& target, const juce::String& name)
{
    target.write (name.toRawUTF8(), getUtf8Size (name));
}

bool fitsIn32Bits (juce::int64 value)
{
    return value >= 0 && static_cast<juce::uint64> (value) <= ZipLayout::maxFieldValue32;
}
} // namespace

void MemoryBasedZipBuilder::addEntry (const juce::String& name, const juce::MemoryBlock& data,
                                      int compressionLevel, const juce::String& storedPathName)
{
    // Copy-constructed: assigning an empty juce::MemoryBlock passes null to memcpy.
    entries.push_back (
        {name, data, compressionLevel, storedPathName.isNotEmpty() ? storedPathName : name, 0, 0, 0});
}

bool MemoryBasedZipBuilder::writeToStream (juce::OutputStream& target)
{
    if (! entriesFitTheLayout())
        return false;

    std::vector<juce::MemoryBlock> compressed (entries.size());

    if (! compressAllEntries (compressed))
        return false;

    const auto archiveStart = target.getPosition();

    for (size_t i = 0; i < entries.size(); ++i)
    {
        auto& entry = entries[i];
        const auto& data = compressed[i];
        const auto headerStart = target.getPosition() - archiveStart;

        if (! fitsIn32Bits (headerStart) || ! fitsIn32Bits (static_cast<juce::int64> (data.getSize())))
            return false;

        entry.compressedSize = static_cast<juce::uint32> (data.getSize());
        entry.headerStart = static_cast<juce::uint32> (headerStart);

        writeLocalHeader (target, entry);
        target.write (data.getData(), data.getSize());
    }

    const auto directoryStart = target.getPosition();

    for (const auto& entry : entries)
        writeCentralHeader (target, entry);

    const auto directoryEnd = target.getPosition();
    const auto directoryOffset = directoryStart - archiveStart;
    const auto directorySize = directoryEnd - directoryStart;

    if (! fitsIn32Bits (directoryOffset) || ! fitsIn32Bits (directorySize))
        return false;

    writeEndRecord (target, getNumEntries(), static_cast<juce::uint32> (directorySize),
                    static_cast<juce::uint32> (directoryOffset));
    return true;
}

bool MemoryBasedZipBuilder::entriesFitTheLayout() const
{
    if (entries.size() > ZipLayout::maxFieldValue16)
        return false;

    for (const auto& entry : entries)
        if (getUtf8Size (entry.storedPathName) > ZipLayout::maxFieldValue16 ||
            entry.data.getSize() > ZipLayout::maxFieldValue32)
            return false;

    return true;
}

bool MemoryBasedZipBuilder::compressAllEntries (std::vector<juce::MemoryBlock>& results)
{
    // Below this much data a second thread costs more than it saves.
    constexpr size_t minBytesForTwoThreads = 64 * 1024;

    size_t totalBytes = 0;

    for (const auto& entry : entries)
        totalBytes += entry.data.getSize();

    std::atomic<size_t> nextEntry { 0 };

    if (totalBytes < minBytesForTwoThreads)
        return compressEntries (nextEntry, results);

    // Both threads take the next entry not yet taken, which balances them
    // however the sizes are spread. Each entry is written by one thread into
    // its own result, and its bytes do not depend on which thread made them.
    bool helperDone = false;
    std::thread helper;

    try
    {
        helper = std::thread ([&] { helperDone = compressEntries (nextEntry, results); });
    }
    catch (const std::system_error&)
    {
        return compressEntries (nextEntry, results);
    }

    const bool done = compressEntries (nextEntry, results);
    helper.join();
    return done && helperDone;
}

bool MemoryBasedZipBuilder::compressEntries (std::atomic<size_t>& nextEntry,
                                             std::vector<juce::MemoryBlock>& results)
{
    RawDeflater deflater;
    bool allDone = true;

    for (auto i = nextEntry++; i < entries.size(); i = nextEntry++)
    {
        juce::MemoryOutputStream buffer (results[i], false);
        allDone = compressEntry (entries[i], deflater, buffer) && allDone;
    }

    return allDone;
}

bool MemoryBasedZipBuilder::compressEntry (DataEntry& entry, RawDeflater& deflater,
                                           juce::MemoryOutputStream& buffer)
{
    const auto* data = entry.data.getData();
    const auto size = entry.data.getSize();
    entry.checksum = ZipCrc32::update (0, data, size);

    if (entry.compressionLevel <= 0)
        return buffer.write (data, size);

    // An empty entry still gets its final block.
    return deflater.compress (data, size, entry.compressionLevel, buffer);
}

void MemoryBasedZipBuilder::writeCommonHeaderFields (juce::OutputStream& target, const DataEntry& entry)
{
    // The general-purpose flags stay 0 although names are written as UTF-8.
    writeUInt16 (target, ZipLayout::versionNeeded);
    writeUInt16 (target, 0);
    writeUInt16 (target, entry.compressionLevel > 0 ? ZipLayout::methodDeflate : ZipLayout::methodStored);
    writeUInt16 (target, ZipLayout::fixedTime);
    writeUInt16 (target, ZipLayout::fixedDate);
    writeUInt32 (target, entry.checksum);
    writeUInt32 (target, entry.compressedSize);
    writeUInt32 (target, static_cast<juce::uint32> (entry.data.getSize()));
    writeUInt16 (target, static_cast<juce::uint32> (getUtf8Size (entry.storedPathName)));
    writeUInt16 (target, 0);
}

void MemoryBasedZipBuilder::writeLocalHeader (juce::OutputStream& target, const DataEntry& entry)
{
    writeUInt32 (target, ZipLayout::localHeaderSignature);
    writeCommonHeaderFields (target, entry);
    writeName (target, entry.storedPathName);
}

void MemoryBasedZipBuilder::writeCentralHeader (juce::OutputStream& target, const DataEntry& entry)
{
    writeUInt32 (target, ZipLayout::centralHeaderSignature);
    writeUInt16 (target, ZipLayout::versionMadeBy);
    writeCommonHeaderFields (target, entry);
    writeUInt16 (target, 0); // comment length
    writeUInt16 (target, 0); // disk number start
    writeUInt16 (target, 0); // internal attributes
    writeUInt32 (target, 0); // external attributes
    writeUInt32 (target, entry.headerStart);
    writeName (target, entry.storedPathName);
}

void MemoryBasedZipBuilder::writeEndRecord (juce::OutputStream& target, int numEntries,
                                            juce::uint32 directorySize, juce::uint32 directoryOffset)
{
    writeUInt32 (target, ZipLayout::endRecordSignature);
    writeUInt16 (target, 0); // this disk
    writeUInt16 (target, 0); // disk where the directory starts
    writeUInt16 (target, static_cast<juce::uint32> (numEntries));
    writeUInt16 (target, static_cast<juce::uint32> (numEntries));
    writeUInt32 (target, directorySize);
    writeUInt32 (target, directoryOffset);
    writeUInt16 (target, 0); // comment length
}
} // namespace file
