#include "file/ZipCrc32.h"

// juce_core compiles its deflate streams against this zlib and links it, so its
// checksum is the one the archives' deflate data comes with.
#include <zlib.h>

#include <algorithm>

namespace file
{
juce::uint32 ZipCrc32::update (juce::uint32 checksum, const void* data, size_t numBytes) noexcept
{
    // zlib takes 32-bit lengths; feed larger blocks in slices.
    constexpr size_t maxSlice = 1u << 30;
    auto* bytes = static_cast<const Bytef*> (data);
    uLong result = checksum;

    while (numBytes > 0)
    {
        auto slice = std::min (numBytes, maxSlice);
        result = crc32 (result, bytes, static_cast<uInt> (slice));
        bytes += slice;
        numBytes -= slice;
    }

    return static_cast<juce::uint32> (result);
}
} // namespace file
