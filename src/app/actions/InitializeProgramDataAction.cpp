#include "app/actions/InitializeProgramDataAction.h"

namespace xTV200_action
{
InitializeProgramDataAction::InitializeProgramDataAction (xTV200_data::LibraryData& libraryToEdit, int index)
    : LibraryEditAction (libraryToEdit), programIndex (index)
{
}

bool InitializeProgramDataAction::perform()
{
    markModified();
    auto& program = library.getProgram (programIndex);
    saved.copyFrom (program);
    program.initialize();
    return true;
}

bool InitializeProgramDataAction::undo()
{
    library.getProgram (programIndex).copyFrom (saved);
    restoreModifiedState();
    return true;
}
} // namespace xTV200_action
