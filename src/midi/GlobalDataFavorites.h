#pragma once

#include "data/FavoriteData.h"

#include <juce_core/juce_core.h>

namespace xTV200_midi
{
/** The favourites inside the synthesizer's 224-byte global data.

    Bytes 128-223 hold the 6 x 8 favourite values, bank by bank and slot by
    slot, each a 16-bit little-endian word. The rest of the block belongs to
    the synthesizer and is left as it is.
*/
class GlobalDataFavorites final
{
public:
    static constexpr int firstByte = 128;
    static constexpr int numValues =
        xTV200_data::FavoriteData::numBanks * xTV200_data::FavoriteData::numSlots;

    GlobalDataFavorites() = delete;

    /** Reads every word as a signed 16-bit value into favorites. Returns false,
        leaving favorites untouched, when globalData is shorter than 224 bytes.
    */
    static bool read (const juce::MemoryBlock& globalData, xTV200_data::FavoriteData& favorites);

    /** Replaces the 48 words with the favourites' values (their low 16 bits);
        bytes 0-127 keep their values. Returns false, changing nothing, when
        globalData is shorter than 224 bytes.
    */
    static bool write (juce::MemoryBlock& globalData, const xTV200_data::FavoriteData& favorites);

private:
    static bool isLongEnough (const juce::MemoryBlock& globalData) noexcept;
};
} // namespace xTV200_midi
