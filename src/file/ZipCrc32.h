#pragma once

#include <juce_core/juce_core.h>

namespace file
{
/** The CRC-32 of zip archives (the one zlib computes), for the builder and
    the uncompressor.
*/
struct ZipCrc32 final
{
    /** Continues a checksum over more bytes; start with 0. */
    static juce::uint32 update (juce::uint32 checksum, const void* data, size_t numBytes) noexcept;

    /** The checksum of a whole block. */
    static juce::uint32 of (const juce::MemoryBlock& block) noexcept
    {
        return update (0, block.getData(), block.getSize());
    }
};
} // namespace file
