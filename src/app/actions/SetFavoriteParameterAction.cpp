#include "app/actions/SetFavoriteParameterAction.h"

namespace xTV200_action
{
SetFavoriteParameterAction::SetFavoriteParameterAction (xTV200_data::LibraryData& libraryToEdit, int bankIndex,
                                                        int slotIndex, int value)
    : LibraryEditAction (libraryToEdit), bank (bankIndex), slot (slotIndex), newValue (value)
{
}

bool SetFavoriteParameterAction::perform()
{
    markModified();
    auto& favorites = library.getFavorites();
    oldValue = favorites.getValue (bank, slot);
    favorites.setValue (bank, slot, newValue);
    return true;
}

bool SetFavoriteParameterAction::undo()
{
    library.getFavorites().setValue (bank, slot, oldValue);
    restoreModifiedState();
    return true;
}
} // namespace xTV200_action
