#include "file/ZipCentralDirectoryReader.h"

#include "file/ZipLayout.h"

#include <algorithm>
#include <numeric>

namespace file
{
namespace
{
struct EndRecord
{
    juce::int64 position = 0;
    juce::uint32 numEntries = 0;
    juce::uint32 directorySize = 0;
    juce::uint32 directoryOffset = 0;
};

juce::uint16 readUInt16 (const juce::uint8* bytes) noexcept
{
    return juce::ByteOrder::littleEndianShort (bytes);
}

juce::uint32 readUInt32 (const juce::uint8* bytes) noexcept
{
    return juce::ByteOrder::littleEndianInt (bytes);
}

bool readBytesAt (juce::InputStream& archive, juce::int64 position, juce::MemoryBlock& block, size_t size)
{
    block.setSize (size);

    if (size == 0)
        return true;

    return archive.setPosition (position) &&
           archive.read (block.getData(), static_cast<int> (size)) == static_cast<int> (size);
}

bool findEndRecord (juce::InputStream& archive, EndRecord& end)
{
    const auto archiveLength = archive.getTotalLength();

    if (archiveLength < ZipLayout::endRecordSize)
        return false;

    const auto tailLength = juce::jmin (
        archiveLength, static_cast<juce::int64> (ZipCentralDirectoryReader::endRecordSearchLength));
    const auto tailStart = archiveLength - tailLength;
    juce::MemoryBlock tail;

    if (! readBytesAt (archive, tailStart, tail, static_cast<size_t> (tailLength)))
        return false;

    auto* bytes = static_cast<const juce::uint8*> (tail.getData());

    // The record nearest the end wins: a signature further in is more likely
    // to be part of the data.
    for (auto offset = static_cast<int> (tailLength) - ZipLayout::endRecordSize; offset >= 0; --offset)
    {
        auto* record = bytes + offset;

        if (readUInt32 (record) == ZipLayout::endRecordSignature)
        {
            end.position = tailStart + offset;
            end.numEntries = readUInt16 (record + 10);
            end.directorySize = readUInt32 (record + 12);
            end.directoryOffset = readUInt32 (record + 16);
            return true;
        }
    }

    return false;
}

/** Names are UTF-8; bytes that are not valid UTF-8 are taken one by one as
    Latin-1, and a NUL ends the name, as it would end a C string. */
juce::String decodeName (const juce::uint8* bytes, int length)
{
    auto* text = reinterpret_cast<const char*> (bytes);
    const auto end = std::find (text, text + length, '\0');
    const auto size = static_cast<int> (end - text);

    if (juce::CharPointer_UTF8::isValidString (text, size))
        return juce::String::fromUTF8 (text, size);

    std::vector<juce::juce_wchar> characters (bytes, bytes + size);
    return juce::String (juce::CharPointer_UTF32 (characters.data()), characters.size());
}

juce::Time decodeDosTime (juce::uint16 date, juce::uint16 time)
{
    // Clamped, so that a damaged stamp still gives a valid calendar time.
    const auto year = (date >> 9) + 1980;
    const auto month = juce::jlimit (1, 12, (date >> 5) & 15);
    const auto day = juce::jlimit (1, 31, date & 31);
    const auto hours = juce::jmin (23, time >> 11);
    const auto minutes = juce::jmin (59, (time >> 5) & 63);
    const auto seconds = juce::jmin (59, (time & 31) * 2);

    return juce::Time (year, month - 1, day, hours, minutes, seconds, 0, true);
}

juce::Result damaged (const juce::String& reason)
{
    return juce::Result::fail ("Damaged zip archive: " + reason);
}

juce::Result readRecords (const juce::MemoryBlock& directory, juce::uint32 numEntries,
                          std::vector<ZipCentralDirectoryReader::EntryRecord>& entries)
{
    auto* bytes = static_cast<const juce::uint8*> (directory.getData());
    const auto size = directory.getSize();
    size_t position = 0;
    juce::uint32 lastDosDate = 0;
    juce::uint32 lastDosTime = 0;
    juce::Time lastTime;

    for (juce::uint32 i = 0; i < numEntries; ++i)
    {
        if (size - position < static_cast<size_t> (ZipLayout::centralHeaderSize))
            return damaged ("the central directory is shorter than its entry count");

        auto* record = bytes + position;

        if (readUInt32 (record) != ZipLayout::centralHeaderSignature)
            return damaged ("a central directory record has a wrong signature");

        const auto nameLength = readUInt16 (record + 28);
        const auto recordSize = static_cast<size_t> (ZipLayout::centralHeaderSize) + nameLength +
                                readUInt16 (record + 30) + readUInt16 (record + 32);

        if (size - position < recordSize)
            return damaged ("a central directory record runs past the directory");

        // Converting a local time consults the time zone, which is slow; the
        // entries of one archive mostly share a stamp, so the last one is kept.
        const auto dosDate = readUInt16 (record + 14);
        const auto dosTime = readUInt16 (record + 12);

        if (i == 0 || dosDate != lastDosDate || dosTime != lastDosTime)
        {
            lastTime = decodeDosTime (dosDate, dosTime);
            lastDosDate = dosDate;
            lastDosTime = dosTime;
        }

        ZipCentralDirectoryReader::EntryRecord entry;
        entry.flags = readUInt16 (record + 8);
        entry.method = readUInt16 (record + 10);
        entry.compressed = entry.method != ZipLayout::methodStored;
        entry.modificationTime = lastTime;
        entry.checksum = readUInt32 (record + 16);
        entry.compressedSize = readUInt32 (record + 20);
        entry.uncompressedSize = readUInt32 (record + 24);
        entry.headerOffset = readUInt32 (record + 42);
        entry.name = decodeName (record + ZipLayout::centralHeaderSize, nameLength);
        entries.push_back (std::move (entry));

        position += recordSize;
    }

    return juce::Result::ok();
}

/** Gives each entry the region up to the next local header (or the directory),
    so that no entry's data can reach into another's. */
juce::Result assignRegions (std::vector<ZipCentralDirectoryReader::EntryRecord>& entries,
                            juce::uint32 directoryOffset)
{
    std::vector<size_t> order (entries.size());
    std::iota (order.begin(), order.end(), size_t{0});
    std::sort (order.begin(), order.end(),
               [&entries] (size_t a, size_t b) { return entries[a].headerOffset < entries[b].headerOffset; });

    for (size_t i = 0; i < order.size(); ++i)
    {
        auto& entry = entries[order[i]];
        const auto next = i + 1 < order.size() ? entries[order[i + 1]].headerOffset : directoryOffset;

        if (entry.headerOffset >= directoryOffset)
            return damaged ("a local header offset lies outside the entry data");

        if (next == entry.headerOffset)
            return damaged ("two entries share one local header");

        entry.regionEnd = next;
    }

    return juce::Result::ok();
}
} // namespace

juce::Result ZipCentralDirectoryReader::read (juce::InputStream& archive, std::vector<EntryRecord>& entries)
{
    entries.clear();
    EndRecord end;

    if (! findEndRecord (archive, end))
        return juce::Result::ok();

    const auto directoryEnd = static_cast<juce::int64> (end.directoryOffset) + end.directorySize;

    if (directoryEnd > end.position)
        return damaged ("the central directory lies outside the archive");

    if (end.directorySize > MemoryBasedZipUncompressor::maxDirectorySize)
        return damaged ("the central directory is too large");

    juce::MemoryBlock directory;

    if (! readBytesAt (archive, end.directoryOffset, directory, end.directorySize))
        return damaged ("the central directory cannot be read");

    auto result = readRecords (directory, end.numEntries, entries);

    if (result.wasOk())
        result = assignRegions (entries, end.directoryOffset);

    if (result.failed())
        entries.clear();

    return result;
}
} // namespace file
