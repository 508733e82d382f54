#include "app/actions/SetLibraryDataAction.h"

namespace xTV200_action
{
SetLibraryDataAction::SetLibraryDataAction (xTV200_data::LibraryData& libraryToEdit,
                                            const xTV200_data::LibraryData& received)
    : LibraryEditAction (libraryToEdit), newLibrary (received)
{
}

bool SetLibraryDataAction::perform()
{
    markModified();
    oldLibrary.copyFrom (library);
    library.copyFrom (newLibrary);
    return true;
}

bool SetLibraryDataAction::undo()
{
    library.copyFrom (oldLibrary);
    restoreModifiedState();
    return true;
}
} // namespace xTV200_action
