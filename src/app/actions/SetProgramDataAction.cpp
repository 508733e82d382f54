#include "app/actions/SetProgramDataAction.h"

namespace xTV200_action
{
SetProgramDataAction::SetProgramDataAction (xTV200_data::LibraryData& libraryToEdit, int index,
                                            const xTV200_data::ProgramData& program)
    : LibraryEditAction (libraryToEdit), programIndex (index), newProgram (program)
{
}

bool SetProgramDataAction::perform()
{
    markModified();
    auto& program = library.getProgram (programIndex);
    oldProgram.copyFrom (program);
    program.copyFrom (newProgram);
    return true;
}

bool SetProgramDataAction::undo()
{
    library.getProgram (programIndex).copyFrom (oldProgram);
    restoreModifiedState();
    return true;
}
} // namespace xTV200_action
