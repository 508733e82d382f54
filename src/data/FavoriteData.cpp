#include "data/FavoriteData.h"

#include "data/container/FavoriteDataDeserializer.h"
#include "data/container/FavoriteDataSerializer.h"

namespace xTV200_data
{
namespace
{
constexpr std::array<juce::int32, FavoriteData::numBanks * FavoriteData::numSlots> initialSlots {
    0,   35,  67,  95,  108, 136, 151, 176, // bank 0
    10,  40,  74,  98,  111, 144, 155, 182, // bank 1
    13,  45,  77,  103, 115, 148, 164, 188, // bank 2
    22,  48,  80,  104, 123, 142, 166, 190, // bank 3
    27,  52,  89,  107, 133, 146, 169, 195, // bank 4
    200, 201, 202, 203, 204, 205, 206, 207, // bank 5
};
} // namespace

FavoriteData::FavoriteData() { initialize(); }

void FavoriteData::initialize() { slots = initialSlots; }

bool FavoriteData::isValidSlot (int bank, int slot) noexcept
{
    return juce::isPositiveAndBelow (bank, numBanks) && juce::isPositiveAndBelow (slot, numSlots);
}

int FavoriteData::getValue (int bank, int slot) const noexcept
{
    return isValidSlot (bank, slot) ? slots[(size_t) (bank * numSlots + slot)] : 0;
}

void FavoriteData::setValue (int bank, int slot, int value) noexcept
{
    if (isValidSlot (bank, slot))
        slots[(size_t) (bank * numSlots + slot)] = value;
}

void FavoriteData::serialize (data::SerializedData& out) const { FavoriteDataSerializer (*this).serialize (out); }

bool FavoriteData::deserialize (const data::SerializedData& in) { return FavoriteDataDeserializer (*this).deserialize (in); }
} // namespace xTV200_data
