#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_ui
{
/** What a drag of one favourite slot carries: the drag's name, and the bank
    and slot of the button it started from. On the wire of a drag it is a var
    array of exactly [name, bank, slot], with bank and slot as integers.

    A plain value: decoding never fails, it only leaves the item invalid.
*/
class FavoriteDragItem
{
public:
    /** The name that marks a drag of a favourite slot. */
    static constexpr const char* favoriteDragName = "FavoriteDataDragItem";

    FavoriteDragItem (const juce::String& nameToUse, int bankToDrag, int slotToDrag);

    /** Decodes a drag description; anything not of the form above gives an
        invalid item. */
    explicit FavoriteDragItem (const juce::var& descriptionToDecode);

    /** The var form that travels with the drag. */
    const juce::var& getDescription() const noexcept { return description; }

    const juce::String& getName() const noexcept { return name; }
    int getBank() const noexcept { return bank; }
    int getSlot() const noexcept { return slot; }
    bool isValid() const noexcept { return valid; }

    /** True when the description has the form above and the favourite drag's
        name; a preset drag has the same form under another name. */
    static bool isFavoriteDrag (const juce::var& description);

private:
    juce::var description;
    juce::String name;
    int bank = -1;
    int slot = -1;
    bool valid = false;
};
} // namespace xTV200_ui
