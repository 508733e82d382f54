#include "midi/GlobalDataFavorites.h"

#include <gtest/gtest.h>

#include <cstring>

using xTV200_data::FavoriteData;
using xTV200_midi::GlobalDataFavorites;

namespace
{
juce::MemoryBlock patternedGlobalData()
{
    juce::MemoryBlock block (224);
    for (size_t i = 0; i < block.getSize(); ++i)
        block[i] = static_cast<char> (i * 7 + 3);
    return block;
}

juce::uint8 byteAt (const juce::MemoryBlock& block, size_t index)
{
    return static_cast<const juce::uint8*> (block.getData())[index];
}
} // namespace

TEST (GlobalDataFavorites, WritesLittleEndianWordsBankBySlotAndKeepsTheRest)
{
    FavoriteData favorites;
    for (int bank = 0; bank < FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < FavoriteData::numSlots; ++slot)
            favorites.setValue (bank, slot, bank * 8 + slot);
    favorites.setValue (0, 0, 299);
    favorites.setValue (5, 7, -2);

    const auto original = patternedGlobalData();
    auto block = original;
    ASSERT_TRUE (GlobalDataFavorites::write (block, favorites));

    EXPECT_EQ (byteAt (block, 128), 0x2B);
    EXPECT_EQ (byteAt (block, 129), 0x01);
    EXPECT_EQ (byteAt (block, 128 + 2 * 9), 9); // bank 1, slot 1
    EXPECT_EQ (byteAt (block, 128 + 2 * 9 + 1), 0);
    EXPECT_EQ (byteAt (block, 222), 0xFE);
    EXPECT_EQ (byteAt (block, 223), 0xFF);
    EXPECT_EQ (std::memcmp (block.getData(), original.getData(), 128), 0);

    FavoriteData readBack;
    ASSERT_TRUE (GlobalDataFavorites::read (block, readBack));
    EXPECT_EQ (readBack, favorites);
}

TEST (GlobalDataFavorites, ReadsWordsAsSigned16Bit)
{
    auto block = patternedGlobalData();
    block[130] = static_cast<char> (0xFF); // bank 0, slot 1
    block[131] = static_cast<char> (0x7F);
    block[132] = static_cast<char> (0x00); // bank 0, slot 2
    block[133] = static_cast<char> (0x80);

    FavoriteData favorites;
    ASSERT_TRUE (GlobalDataFavorites::read (block, favorites));
    EXPECT_EQ (favorites.getValue (0, 1), 32767);
    EXPECT_EQ (favorites.getValue (0, 2), -32768);
    EXPECT_EQ (favorites.getValue (5, 7), 0x1C15); // pattern bytes 222 and 223: 0x15, 0x1C
}

TEST (GlobalDataFavorites, RefusesAShortBlockAndChangesNothing)
{
    juce::MemoryBlock shortBlock (223, true);
    FavoriteData favorites;
    favorites.setValue (2, 3, 77);
    const auto before = favorites;

    EXPECT_FALSE (GlobalDataFavorites::read (shortBlock, favorites));
    EXPECT_EQ (favorites, before);
    EXPECT_FALSE (GlobalDataFavorites::write (shortBlock, favorites));
    EXPECT_EQ (shortBlock, juce::MemoryBlock (223, true));
}
