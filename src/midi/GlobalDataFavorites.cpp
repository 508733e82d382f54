#include "midi/GlobalDataFavorites.h"

#include "midi/SysExGenerator.h"

namespace xTV200_midi
{
namespace
{
constexpr int numSlots = xTV200_data::FavoriteData::numSlots;

size_t wordOffset (int index) noexcept
{
    return static_cast<size_t> (GlobalDataFavorites::firstByte + 2 * index);
}
} // namespace

static_assert (GlobalDataFavorites::firstByte + 2 * GlobalDataFavorites::numValues ==
                   SysExGenerator::numGlobalBytes,
               "the favourites fill the end of the global data");

bool GlobalDataFavorites::read (const juce::MemoryBlock& globalData, xTV200_data::FavoriteData& favorites)
{
    if (! isLongEnough (globalData))
        return false;

    const auto* bytes = static_cast<const juce::uint8*> (globalData.getData());

    for (int index = 0; index < numValues; ++index)
    {
        const auto* word = bytes + wordOffset (index);
        const auto value = static_cast<juce::int16> (word[0] | (word[1] << 8));
        favorites.setValue (index / numSlots, index % numSlots, value);
    }

    return true;
}

bool GlobalDataFavorites::write (juce::MemoryBlock& globalData, const xTV200_data::FavoriteData& favorites)
{
    if (! isLongEnough (globalData))
        return false;

    auto* bytes = static_cast<juce::uint8*> (globalData.getData());

    for (int index = 0; index < numValues; ++index)
    {
        const auto value = favorites.getValue (index / numSlots, index % numSlots);
        auto* word = bytes + wordOffset (index);
        word[0] = static_cast<juce::uint8> (value & 0xFF);
        word[1] = static_cast<juce::uint8> ((value >> 8) & 0xFF);
    }

    return true;
}

bool GlobalDataFavorites::isLongEnough (const juce::MemoryBlock& globalData) noexcept
{
    return globalData.getSize() >= static_cast<size_t> (SysExGenerator::numGlobalBytes);
}
} // namespace xTV200_midi
