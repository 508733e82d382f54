#include "file/MemoryBasedZipUncompressor.h"

#include "file/ZipCentralDirectoryReader.h"
#include "file/ZipCrc32.h"
#include "file/ZipLayout.h"

namespace file
{
//==============================================================================
MemoryBasedZipUncompressor::ZipInputStream::ZipInputStream (juce::InputStream& archive,
                                                            const EntryRecord& record)
    : entry (record)
    , input (archive)
{
    readLocalHeader();
}

void MemoryBasedZipUncompressor::ZipInputStream::readLocalHeader()
{
    juce::uint8 header[ZipLayout::localHeaderSize];

    if (! input.setPosition (entry.headerOffset) ||
        input.read (header, ZipLayout::localHeaderSize) != ZipLayout::localHeaderSize ||
        juce::ByteOrder::littleEndianInt (header) != ZipLayout::localHeaderSignature)
        return;

    const auto size = ZipLayout::localHeaderSize + juce::ByteOrder::littleEndianShort (header + 26) +
                      juce::ByteOrder::littleEndianShort (header + 28);
    const auto dataEnd = static_cast<juce::int64> (entry.headerOffset) + size + entry.compressedSize;

    if (dataEnd <= entry.regionEnd)
        headerSize = size;
}

juce::int64 MemoryBasedZipUncompressor::ZipInputStream::getTotalLength()
{
    return entry.compressedSize;
}

bool MemoryBasedZipUncompressor::ZipInputStream::isExhausted()
{
    return ! hasValidHeader() || position >= entry.compressedSize;
}

int MemoryBasedZipUncompressor::ZipInputStream::read (void* destBuffer, int maxBytesToRead)
{
    const auto remaining = static_cast<juce::int64> (entry.compressedSize) - position;

    if (! hasValidHeader() || remaining <= 0 || maxBytesToRead <= 0)
        return 0;

    const auto numToRead =
        static_cast<int> (juce::jmin (static_cast<juce::int64> (maxBytesToRead), remaining));

    if (! input.setPosition (entry.headerOffset + headerSize + position))
        return 0;

    const auto numRead = input.read (destBuffer, numToRead);

    if (numRead > 0)
        position += numRead;

    return juce::jmax (0, numRead);
}

juce::int64 MemoryBasedZipUncompressor::ZipInputStream::getPosition()
{
    return position;
}

bool MemoryBasedZipUncompressor::ZipInputStream::setPosition (juce::int64 newPosition)
{
    position = juce::jlimit (static_cast<juce::int64> (0), static_cast<juce::int64> (entry.compressedSize),
                             newPosition);
    return true;
}

//==============================================================================
MemoryBasedZipUncompressor::MemoryBasedZipUncompressor (const juce::File& zipFile)
    : MemoryBasedZipUncompressor (std::make_unique<juce::FileInputSource> (zipFile))
{
}

MemoryBasedZipUncompressor::MemoryBasedZipUncompressor (std::unique_ptr<juce::InputSource> archiveSource)
    : source (std::move (archiveSource))
{
    readCentralDirectory();
}

MemoryBasedZipUncompressor::~MemoryBasedZipUncompressor() = default;

void MemoryBasedZipUncompressor::readCentralDirectory()
{
    if (source == nullptr)
        return;

    // The stream is closed again at once; uncompressAll() opens its own.
    std::unique_ptr<juce::InputStream> archive (source->createInputStream());

    if (archive == nullptr)
        return;

    const auto result = ZipCentralDirectoryReader::read (*archive, entries);

    if (result.failed())
        directoryError = result.getErrorMessage();
}

const MemoryBasedZipUncompressor::EntryRecord*
MemoryBasedZipUncompressor::getEntryRecord (int index) const noexcept
{
    return juce::isPositiveAndBelow (index, getNumEntries()) ? &entries[static_cast<size_t> (index)]
                                                             : nullptr;
}

juce::Result MemoryBasedZipUncompressor::uncompressAll()
{
    const juce::ScopedLock scopedLock (lock);

    if (directoryError.isNotEmpty())
        return juce::Result::fail (directoryError);

    // The claimed sizes bound what is inflated, since no entry may inflate to
    // more than it claims.
    juce::uint64 totalSize = 0;

    for (const auto& entry : entries)
        totalSize += entry.uncompressedSize;

    if (totalSize > maxTotalSize)
        return juce::Result::fail ("The zip archive is too large to uncompress");

    // Opening the archive once for all entries, not once per entry, spares
    // hundreds of system calls on a library file.
    std::unique_ptr<juce::InputStream> archive (source != nullptr ? source->createInputStream() : nullptr);

    if (archive == nullptr)
        return entries.empty() ? juce::Result::ok()
                               : juce::Result::fail ("Failed to open the zip file for reading");

    // Entries lie one after another, so a buffer turns the many small reads
    // into a few large ones.
    constexpr int bufferSize = 64 * 1024;
    juce::BufferedInputStream bufferedArchive (archive.release(), bufferSize, true);

    for (const auto& entry : entries)
    {
        juce::MemoryBlock bytes;
        const auto result = uncompressEntry (bufferedArchive, entry, bytes);

        if (result.failed())
            return result;

        entryData.emplace (entry.name, std::move (bytes));
    }

    return juce::Result::ok();
}

juce::Result MemoryBasedZipUncompressor::checkEntryCanBeRead (const EntryRecord& entry) const
{
    if (entry.name.endsWithChar ('/'))
        return juce::Result::fail ("Folder entry is not supported: " + entry.name);

    if ((entry.flags & ZipLayout::encryptedFlag) != 0)
        return juce::Result::fail ("Encrypted entry is not supported: " + entry.name);

    if (entry.method != ZipLayout::methodStored && entry.method != ZipLayout::methodDeflate)
        return juce::Result::fail ("Compression method is not supported: " + entry.name);

    if (entry.uncompressedSize > maxEntrySize)
        return juce::Result::fail ("Entry is too large: " + entry.name);

    if (! entry.compressed && entry.compressedSize != entry.uncompressedSize)
        return juce::Result::fail ("Damaged entry: " + entry.name);

    return juce::Result::ok();
}

juce::Result MemoryBasedZipUncompressor::uncompressEntry (juce::InputStream& archive,
                                                          const EntryRecord& entry, juce::MemoryBlock& result)
{
    auto check = checkEntryCanBeRead (entry);

    if (check.failed())
        return check;

    auto zipStream = std::make_unique<ZipInputStream> (archive, entry);

    if (! zipStream->hasValidHeader())
        return juce::Result::fail ("Damaged local header: " + entry.name);

    std::unique_ptr<juce::InputStream> stream (std::move (zipStream));

    if (entry.compressed)
        stream = std::make_unique<juce::GZIPDecompressorInputStream> (
            stream.release(), true, juce::GZIPDecompressorInputStream::deflateFormat,
            static_cast<juce::int64> (entry.uncompressedSize));

    // Asks for one byte more than claimed, to see an entry that inflates to
    // more; the block grows with what arrives, never to what is claimed.
    constexpr int chunkSize = 32768;
    juce::HeapBlock<char> chunk (chunkSize);
    juce::MemoryOutputStream output (result, false);
    const auto limit = static_cast<juce::int64> (entry.uncompressedSize) + 1;
    juce::int64 numDone = 0;

    while (numDone < limit)
    {
        const auto numRead =
            stream->read (chunk, static_cast<int> (juce::jmin<juce::int64> (chunkSize, limit - numDone)));

        if (numRead <= 0)
            break;

        output.write (chunk, static_cast<size_t> (numRead));
        numDone += numRead;
    }

    output.flush();

    if (numDone != static_cast<juce::int64> (entry.uncompressedSize))
        return juce::Result::fail ("Entry size does not match: " + entry.name);

    if (ZipCrc32::of (result) != entry.checksum)
        return juce::Result::fail ("CRC-32 does not match: " + entry.name);

    return juce::Result::ok();
}

bool MemoryBasedZipUncompressor::hasEntry (const juce::String& name) const
{
    const juce::ScopedLock scopedLock (lock);
    return entryData.find (name) != entryData.end();
}

juce::MemoryBlock MemoryBasedZipUncompressor::getEntryData (const juce::String& name) const
{
    const juce::ScopedLock scopedLock (lock);
    const auto found = entryData.find (name);
    return found != entryData.end() ? found->second : juce::MemoryBlock();
}
} // namespace file
