#pragma once

#include <juce_core/juce_core.h>

#include <array>
#include <string>
#include <vector>

namespace test
{
/** Writes files of the older editor's chunk format for tests: valid ones and,
    through its parameters, damaged ones (any magic, count or data length).

    A chunk is a 32-byte little-endian header (9-byte magic, header length at
    9, data length at 11, count at 21) followed by its data.
*/
struct TonexaTestFileWriter
{
    static constexpr int headerSize = 32;
    static constexpr int programDataSize = 536;
    static constexpr int programChunkSize = headerSize + programDataSize;
    static constexpr int globalDataSize = 224;
    static constexpr int numPrograms = 300;

    /** Where the chunks of validFile() start. */
    static constexpr int programSetStart = headerSize;
    static constexpr int firstProgramStart = programSetStart + headerSize;
    static constexpr int globalDataStart = firstProgramStart + numPrograms * programChunkSize;
    static constexpr int unknownChunkStart = globalDataStart + headerSize + globalDataSize;
    static constexpr int validFileSize = unknownChunkStart + headerSize;

    static int programStart (int index) { return firstProgramStart + index * programChunkSize; }

    /** What one program chunk holds. The texts are raw bytes, written
        NUL-padded and cut to their field's length. */
    struct Program
    {
        juce::MemoryBlock bytes;
        std::string programmer;
        std::string comment;
        std::string youTubeLink;
    };

    static juce::MemoryBlock header (const char* magic, juce::int32 dataLength, juce::int32 count,
                                     juce::uint16 headerLength = headerSize)
    {
        juce::MemoryBlock block (headerSize, true);
        auto* bytes = static_cast<char*> (block.getData());
        memcpy (bytes, magic, std::min<size_t> (strlen (magic), 9));
        putLittleEndian (bytes + 9, headerLength, 2);
        putLittleEndian (bytes + 11, static_cast<juce::uint32> (dataLength), 4);
        putLittleEndian (bytes + 21, static_cast<juce::uint32> (count), 4);
        return block;
    }

    /** A chunk whose header's data length is the size of data. */
    static juce::MemoryBlock chunk (const char* magic, const juce::MemoryBlock& data, juce::int32 count = 0)
    {
        return concatenate ({header (magic, static_cast<juce::int32> (data.getSize()), count), data});
    }

    static juce::MemoryBlock programChunk (const Program& program)
    {
        juce::MemoryBlock data (programDataSize, true);
        data.copyFrom (program.bytes.getData(), 0, std::min<size_t> (program.bytes.getSize(), 320));
        putText (data, 384, 24, program.programmer);
        putText (data, 408, 64, program.comment);
        putText (data, 472, 64, program.youTubeLink);
        return chunk ("TV200PrgD", data);
    }

    static juce::MemoryBlock programSet (const std::vector<juce::MemoryBlock>& programChunks,
                                         juce::int32 count = numPrograms)
    {
        return chunk ("TV200PrgS", concatenate (programChunks), count);
    }

    /** Global data whose bytes 128-223 hold the 48 favourite values. */
    static juce::MemoryBlock globalDataChunk (const std::array<juce::int16, 48>& favorites)
    {
        juce::MemoryBlock data (globalDataSize, true);

        for (size_t index = 0; index < favorites.size(); ++index)
            putLittleEndian (static_cast<char*> (data.getData()) + 128 + index * 2,
                             static_cast<juce::uint16> (favorites[index]), 2);

        return chunk ("TV200GlbD", data);
    }

    static juce::MemoryBlock file (const std::vector<juce::MemoryBlock>& chunks, juce::int32 count = 3)
    {
        return concatenate ({header ("TV200AllD", 0, count), concatenate (chunks)});
    }

    /** Program index with distinct bytes and texts; the texts of some indices
        fill their fields without a NUL. */
    static Program makeProgram (int index)
    {
        Program program;
        program.bytes.setSize (320);
        juce::Random (index + 1).fillBitsRandomly (program.bytes.getData(), program.bytes.getSize());
        program.programmer = index % 10 == 0 ? std::string (24, static_cast<char> ('A' + index % 26))
                                             : "Programmer " + std::to_string (index);
        program.comment = index % 7 == 0 ? std::string (64, 'c') : "Comment " + std::to_string (index);
        program.youTubeLink = "https://video.example/watch?v=" + std::to_string (index);
        return program;
    }

    static std::array<juce::int16, 48> makeFavorites()
    {
        std::array<juce::int16, 48> favorites{};

        for (size_t index = 0; index < favorites.size(); ++index)
            favorites[index] = static_cast<juce::int16> (299 - static_cast<int> (index) * 6);

        return favorites;
    }

    static std::vector<juce::MemoryBlock> makeProgramChunks()
    {
        std::vector<juce::MemoryBlock> chunks;

        for (int index = 0; index < numPrograms; ++index)
            chunks.push_back (programChunk (makeProgram (index)));

        return chunks;
    }

    /** The program set, then the global data, then an empty unknown chunk. */
    static juce::MemoryBlock validFile()
    {
        return file (
            {programSet (makeProgramChunks()), globalDataChunk (makeFavorites()), chunk ("TV200Xtra", {})});
    }

    static juce::MemoryBlock concatenate (const std::vector<juce::MemoryBlock>& blocks)
    {
        juce::MemoryBlock result;

        for (const auto& block : blocks)
            result.append (block.getData(), block.getSize());

        return result;
    }

    /** The block with a 32-bit little-endian value written at offset. */
    static juce::MemoryBlock withInt32 (juce::MemoryBlock block, size_t offset, juce::int32 value)
    {
        putLittleEndian (static_cast<char*> (block.getData()) + offset, static_cast<juce::uint32> (value), 4);
        return block;
    }

    /** The first size bytes of block. */
    static juce::MemoryBlock prefix (const juce::MemoryBlock& block, size_t size)
    {
        return juce::MemoryBlock (block.getData(), std::min (size, block.getSize()));
    }

private:
    static void putLittleEndian (char* destination, juce::uint32 value, int numBytes)
    {
        for (int index = 0; index < numBytes; ++index)
            destination[index] = static_cast<char> ((value >> (8 * index)) & 0xff);
    }

    static void putText (juce::MemoryBlock& data, size_t offset, size_t length, const std::string& text)
    {
        data.copyFrom (text.data(), static_cast<int> (offset), std::min (length, text.size()));
    }
};
} // namespace test
