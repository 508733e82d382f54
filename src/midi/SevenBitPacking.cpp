#include "midi/SevenBitPacking.h"

namespace midi
{
namespace
{
constexpr size_t groupSize = 7;
} // namespace

size_t SevenBitPacking::getPackedSize (size_t numDataBytes) noexcept
{
    const auto rest = numDataBytes % groupSize;
    return (numDataBytes / groupSize) * (groupSize + 1) + (rest == 0 ? 0 : rest + 1);
}

void SevenBitPacking::pack (const juce::uint8* data, size_t numDataBytes, juce::MemoryBlock& destination)
{
    const auto start = destination.getSize();
    destination.setSize (start + getPackedSize (numDataBytes));
    auto* out = static_cast<juce::uint8*> (destination.getData()) + start;

    for (size_t groupStart = 0; groupStart < numDataBytes; groupStart += groupSize)
    {
        const auto count = juce::jmin (groupSize, numDataBytes - groupStart);
        auto& topBits = *out++;
        topBits = 0;

        for (size_t k = 0; k < count; ++k)
        {
            const auto byte = data[groupStart + k];
            topBits = static_cast<juce::uint8> (topBits | ((byte >> 7) << k));
            *out++ = static_cast<juce::uint8> (byte & 0x7F);
        }
    }
}

bool SevenBitPacking::unpack (const juce::uint8* packed, size_t numPackedBytes, size_t numDataBytes,
                              juce::MemoryBlock& destination)
{
    destination.reset();

    if (numPackedBytes < getPackedSize (numDataBytes))
        return false;

    destination.setSize (numDataBytes);
    auto* out = static_cast<juce::uint8*> (destination.getData());

    for (size_t groupStart = 0; groupStart < numDataBytes; groupStart += groupSize)
    {
        const auto count = juce::jmin (groupSize, numDataBytes - groupStart);
        const auto topBits = static_cast<juce::uint8> (*packed++ & 0x7F);

        for (size_t k = 0; k < count; ++k)
        {
            const auto topBit = static_cast<juce::uint8> (((topBits >> k) & 1) << 7);
            *out++ = static_cast<juce::uint8> ((*packed++ & 0x7F) | topBit);
        }
    }

    return true;
}
} // namespace midi
