#pragma once

#include "file/MemoryBasedZipBuilder.h"
#include "file/MemoryBasedZipUncompressor.h"
#include "MemoryInputSource.h"

#include <memory>
#include <vector>

namespace test
{
struct ZipTestEntry
{
    juce::String name;
    juce::MemoryBlock data;
    int compressionLevel = 5;
};

inline juce::MemoryBlock textBlock (const char* text)
{
    return juce::MemoryBlock (text, strlen (text));
}

inline juce::MemoryBlock randomBlock (size_t size, juce::int64 seed)
{
    juce::Random random (seed);
    juce::MemoryBlock block (size);
    random.fillBitsRandomly (block.getData(), block.getSize());
    return block;
}

/** Compares two blocks byte by byte. juce::MemoryBlock's own comparison hands
    null pointers to memcmp when both blocks are empty. */
inline bool sameBytes (const juce::MemoryBlock& a, const juce::MemoryBlock& b)
{
    return a.getSize() == b.getSize() &&
           (a.getSize() == 0 || memcmp (a.getData(), b.getData(), a.getSize()) == 0);
}

inline juce::MemoryBlock buildArchive (const std::vector<ZipTestEntry>& entries)
{
    file::MemoryBasedZipBuilder builder;

    for (const auto& entry : entries)
        builder.addEntry (entry.name, entry.data, entry.compressionLevel);

    juce::MemoryOutputStream output;
    const auto written = builder.writeToStream (output);
    jassert (written);
    juce::ignoreUnused (written);
    return output.getMemoryBlock();
}

inline std::unique_ptr<file::MemoryBasedZipUncompressor> openArchive (const juce::MemoryBlock& bytes)
{
    return std::make_unique<file::MemoryBasedZipUncompressor> (std::make_unique<MemoryInputSource> (bytes));
}

// Little-endian fields of an archive, for tests that read or damage it.
inline juce::uint32 fieldAt (const juce::MemoryBlock& bytes, size_t offset, int size)
{
    juce::uint32 value = 0;

    for (int i = size; --i >= 0;)
        value = (value << 8) | static_cast<juce::uint8> (bytes[offset + static_cast<size_t> (i)]);

    return value;
}

inline void setFieldAt (juce::MemoryBlock& bytes, size_t offset, int size, juce::uint32 value)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + static_cast<size_t> (i)] = static_cast<char> ((value >> (8 * i)) & 0xFF);
}

/** Where the records of an archive without comment begin. */
struct ArchiveLayout
{
    explicit ArchiveLayout (const juce::MemoryBlock& bytes)
        : endRecord (bytes.getSize() - 22)
        , directory (fieldAt (bytes, endRecord + 16, 4))
    {
    }

    /** The offset of the central directory record of an entry. */
    size_t centralRecord (const juce::MemoryBlock& bytes, int index) const
    {
        auto offset = directory;

        for (int i = 0; i < index; ++i)
            offset += 46 + fieldAt (bytes, offset + 28, 2) + fieldAt (bytes, offset + 30, 2) +
                      fieldAt (bytes, offset + 32, 2);

        return offset;
    }

    /** The offset of the local header of an entry. */
    size_t localHeader (const juce::MemoryBlock& bytes, int index) const
    {
        return fieldAt (bytes, centralRecord (bytes, index) + 42, 4);
    }

    /** The offset of the entry's data. */
    size_t localData (const juce::MemoryBlock& bytes, int index) const
    {
        const auto header = localHeader (bytes, index);
        return header + 30 + fieldAt (bytes, header + 26, 2) + fieldAt (bytes, header + 28, 2);
    }

    size_t endRecord;
    size_t directory;
};
} // namespace test
