#pragma once

#include "data/Data.h"
#include "data/SerializableData.h"

#include <array>

namespace xTV200_data
{
/** The favourite assignments: 6 banks of 8 slots, each holding the index
    (0-299) of a library program. The user interface shows index + 1.
*/
class FavoriteData : public data::Data, public data::SerializableData
{
public:
    static constexpr int numBanks = 6;
    static constexpr int numSlots = 8;

    /** Creates the initial assignment. */
    FavoriteData();
    FavoriteData (const FavoriteData&) = default;
    FavoriteData& operator= (const FavoriteData&) = default;

    void initialize();
    void copyFrom (const FavoriteData& other) { *this = other; }

    /** The value of a slot; 0 for a bank or slot out of range. */
    int getValue (int bank, int slot) const noexcept;

    /** Sets a slot; a bank or slot out of range does nothing. */
    void setValue (int bank, int slot, int value) noexcept;

    bool operator== (const FavoriteData& other) const { return slots == other.slots; }
    bool operator!= (const FavoriteData& other) const { return slots != other.slots; }

    void serialize (data::SerializedData& out) const override;
    bool deserialize (const data::SerializedData& in) override;

private:
    static bool isValidSlot (int bank, int slot) noexcept;

    // Bank by bank: bank 0 slots 0-7, then bank 1, ...
    std::array<juce::int32, numBanks * numSlots> slots {};
};
} // namespace xTV200_data
