#include "ui/FavoriteDragItem.h"

namespace xTV200_ui
{
namespace
{
// A bank or slot must have been written as an integer; a double or a bool
// that happens to convert is another kind of description.
bool isInteger (const juce::var& value)
{
    return value.isInt() || value.isInt64();
}
} // namespace

FavoriteDragItem::FavoriteDragItem (const juce::String& nameToUse, int bankToDrag, int slotToDrag)
    : description (juce::Array<juce::var>{nameToUse, bankToDrag, slotToDrag})
    , name (nameToUse)
    , bank (bankToDrag)
    , slot (slotToDrag)
    , valid (true)
{
}

FavoriteDragItem::FavoriteDragItem (const juce::var& descriptionToDecode)
    : description (descriptionToDecode)
{
    const auto* elements = description.getArray();

    if (elements == nullptr || elements->size() != 3 || ! (*elements)[0].isString() ||
        ! isInteger ((*elements)[1]) || ! isInteger ((*elements)[2]))
        return;

    name = (*elements)[0].toString();
    bank = static_cast<int> ((*elements)[1]);
    slot = static_cast<int> ((*elements)[2]);
    valid = true;
}

bool FavoriteDragItem::isFavoriteDrag (const juce::var& description)
{
    const FavoriteDragItem item (description);
    return item.isValid() && item.getName() == favoriteDragName;
}
} // namespace xTV200_ui
