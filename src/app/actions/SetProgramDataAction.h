#pragma once

#include "app/actions/LibraryEditAction.h"

namespace xTV200_action
{
/** Replaces one library program (bytes, texts and hash). */
class SetProgramDataAction final : public LibraryEditAction
{
public:
    SetProgramDataAction (xTV200_data::LibraryData& library, int programIndex,
                          const xTV200_data::ProgramData& newProgram);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return 716; }

private:
    juce::int32 programIndex;
    xTV200_data::ProgramData newProgram;
    xTV200_data::ProgramData oldProgram;
};
} // namespace xTV200_action
