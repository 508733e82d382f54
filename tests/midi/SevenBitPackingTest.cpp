#include "midi/SevenBitPacking.h"

#include <gtest/gtest.h>

#include <vector>

using midi::SevenBitPacking;

namespace
{
using Bytes = std::vector<juce::uint8>;

Bytes pack (const Bytes& data)
{
    juce::MemoryBlock packed;
    SevenBitPacking::pack (data.data(), data.size(), packed);
    const auto* begin = static_cast<const juce::uint8*> (packed.getData());
    return Bytes (begin, begin + packed.getSize());
}

Bytes randomBytes (size_t size, juce::int64 seed)
{
    juce::Random random (seed);
    Bytes bytes (size);
    for (auto& byte : bytes)
        byte = static_cast<juce::uint8> (random.nextInt (256));
    return bytes;
}

Bytes toBytes (const juce::MemoryBlock& block)
{
    const auto* begin = static_cast<const juce::uint8*> (block.getData());
    return Bytes (begin, begin + block.getSize());
}
} // namespace

TEST (SevenBitPacking, PackedSizeIsEightPerGroupPlusRestAndOne)
{
    const std::vector<std::pair<size_t, size_t>> cases{{0, 0},   {1, 2},   {6, 7},     {7, 8},    {8, 10},
                                                       {13, 15}, {14, 16}, {224, 256}, {320, 366}};

    for (const auto& [dataSize, packedSize] : cases)
    {
        EXPECT_EQ (SevenBitPacking::getPackedSize (dataSize), packedSize) << dataSize;
        EXPECT_EQ (pack (Bytes (dataSize, 0x55)).size(), packedSize) << dataSize;
    }
}

TEST (SevenBitPacking, PacksTopBitsIntoTheGroupByte)
{
    const std::vector<std::pair<Bytes, Bytes>> cases{
        {Bytes (7, 0xFF), Bytes (8, 0x7F)},
        {{0x80}, {0x01, 0x00}},
        {{0x81, 0x02, 0xFF}, {0x05, 0x01, 0x02, 0x7F}},
        {{0, 0, 0, 0, 0, 0, 0x80, 0x80}, {0x40, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x00}},
    };

    for (const auto& [data, expected] : cases)
        EXPECT_EQ (pack (data), expected);
}

TEST (SevenBitPacking, PackAppendsToWhatTheBlockHolds)
{
    juce::MemoryBlock block ("\x10", 1);
    const juce::uint8 data[] = {0x80};
    SevenBitPacking::pack (data, 1, block);
    EXPECT_EQ (toBytes (block), (Bytes{0x10, 0x01, 0x00}));
}

TEST (SevenBitPacking, RoundTripsEveryLength)
{
    for (const size_t size :
         {size_t (1), size_t (5), size_t (7), size_t (13), size_t (100), size_t (224), size_t (320)})
    {
        const auto data = randomBytes (size, static_cast<juce::int64> (size));
        const auto packed = pack (data);

        for (const auto byte : packed)
            ASSERT_LT (byte, 0x80) << "packed bytes must be MIDI data bytes";

        juce::MemoryBlock unpacked;
        ASSERT_TRUE (SevenBitPacking::unpack (packed.data(), packed.size(), size, unpacked)) << size;
        EXPECT_EQ (toBytes (unpacked), data) << size;
    }
}

TEST (SevenBitPacking, UnpackRefusesShortInputAndIgnoresExtraBytes)
{
    const auto data = randomBytes (320, 7);
    auto packed = pack (data);
    juce::MemoryBlock unpacked ("stale", 5);

    EXPECT_FALSE (SevenBitPacking::unpack (packed.data(), packed.size() - 1, 320, unpacked));
    EXPECT_EQ (unpacked.getSize(), 0u);
    EXPECT_FALSE (SevenBitPacking::unpack (nullptr, 0, 1, unpacked));

    packed.push_back (0x7F);
    ASSERT_TRUE (SevenBitPacking::unpack (packed.data(), packed.size(), 320, unpacked));
    EXPECT_EQ (toBytes (unpacked), data);

    // A shorter request than the packed data holds takes only the first bytes.
    ASSERT_TRUE (SevenBitPacking::unpack (packed.data(), packed.size(), 10, unpacked));
    EXPECT_EQ (toBytes (unpacked), Bytes (data.begin(), data.begin() + 10));
}

TEST (SevenBitPacking, UnpackIgnoresTopBitsOfDamagedBytes)
{
    const Bytes damaged{0x80 | 0x02, 0xFF, 0x81};
    juce::MemoryBlock unpacked;

    ASSERT_TRUE (SevenBitPacking::unpack (damaged.data(), damaged.size(), 2, unpacked));
    EXPECT_EQ (toBytes (unpacked), (Bytes{0x7F, 0x81}));
}
