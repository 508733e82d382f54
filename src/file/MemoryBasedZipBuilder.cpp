#include "file/MemoryBasedZipBuilder.h"

#include "file/ZipEntryCompressor.h"
#include "file/ZipLayout.h"

namespace file
{
namespace
{
size_t getUtf8Size (const juce::String& text)
{
    return text.getNumBytesAsUTF8();
}

/** One record's fixed fields, little-endian, collected so that the record
    reaches the stream in one write rather than a dozen. */
class RecordBuffer final
{
public:
    void putUInt16 (juce::uint32 value) { put (value, 2); }
    void putUInt32 (juce::uint32 value) { put (value, 4); }

    void writeTo (juce::OutputStream& target) const { target.write (bytes, size); }

private:
    void put (juce::uint32 value, size_t numBytes)
    {
        jassert (size + numBytes <= sizeof (bytes));

        for (size_t i = 0; i < numBytes; ++i)
            bytes[size++] = static_cast<juce::uint8> (value >> (8 * i));
    }

    juce::uint8 bytes[ZipLayout::centralHeaderSize] {};
    size_t size = 0;
};

void writeName (juce::OutputStream& target, const juce::String& name)
{
    target.write (name.toRawUTF8(), getUtf8Size (name));
}

void putCommonHeaderFields (RecordBuffer& record, const MemoryBasedZipBuilder::DataEntry& entry)
{
    // The general-purpose flags stay 0 although names are written as UTF-8.
    record.putUInt16 (ZipLayout::versionNeeded);
    record.putUInt16 (0);
    record.putUInt16 (entry.compressionLevel > 0 ? ZipLayout::methodDeflate : ZipLayout::methodStored);
    record.putUInt16 (ZipLayout::fixedTime);
    record.putUInt16 (ZipLayout::fixedDate);
    record.putUInt32 (entry.checksum);
    record.putUInt32 (entry.compressedSize);
    record.putUInt32 (static_cast<juce::uint32> (entry.data.getSize()));
    record.putUInt16 (static_cast<juce::uint32> (getUtf8Size (entry.storedPathName)));
    record.putUInt16 (0);
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
        {name, data, compressionLevel, storedPathName.isNotEmpty() ? storedPathName : name, 0, 0, 0, {}});
}

void MemoryBasedZipBuilder::addDeferredEntry (const juce::String& name, DataMaker makeData,
                                              int compressionLevel, const juce::String& storedPathName)
{
    addEntry (name, {}, compressionLevel, storedPathName);
    entries.back().makeData = std::move (makeData);
}

bool MemoryBasedZipBuilder::writeToStream (juce::OutputStream& target)
{
    if (! entriesFitTheLayout())
        return false;

    std::vector<juce::MemoryBlock> compressed (entries.size());

    if (! ZipEntryCompressor (entries).compressAll (compressed))
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

void MemoryBasedZipBuilder::writeLocalHeader (juce::OutputStream& target, const DataEntry& entry)
{
    RecordBuffer record;
    record.putUInt32 (ZipLayout::localHeaderSignature);
    putCommonHeaderFields (record, entry);
    record.writeTo (target);
    writeName (target, entry.storedPathName);
}

void MemoryBasedZipBuilder::writeCentralHeader (juce::OutputStream& target, const DataEntry& entry)
{
    RecordBuffer record;
    record.putUInt32 (ZipLayout::centralHeaderSignature);
    record.putUInt16 (ZipLayout::versionMadeBy);
    putCommonHeaderFields (record, entry);
    record.putUInt16 (0); // comment length
    record.putUInt16 (0); // disk number start
    record.putUInt16 (0); // internal attributes
    record.putUInt32 (0); // external attributes
    record.putUInt32 (entry.headerStart);
    record.writeTo (target);
    writeName (target, entry.storedPathName);
}

void MemoryBasedZipBuilder::writeEndRecord (juce::OutputStream& target, int numEntries,
                                            juce::uint32 directorySize, juce::uint32 directoryOffset)
{
    RecordBuffer record;
    record.putUInt32 (ZipLayout::endRecordSignature);
    record.putUInt16 (0); // this disk
    record.putUInt16 (0); // disk where the directory starts
    record.putUInt16 (static_cast<juce::uint32> (numEntries));
    record.putUInt16 (static_cast<juce::uint32> (numEntries));
    record.putUInt32 (directorySize);
    record.putUInt32 (directoryOffset);
    record.putUInt16 (0); // comment length
    record.writeTo (target);
}
} // namespace file
