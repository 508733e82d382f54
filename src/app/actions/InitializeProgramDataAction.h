#pragma once

#include "app/actions/LibraryEditAction.h"

namespace xTV200_action
{
/** Turns one library program into the initial program. */
class InitializeProgramDataAction final : public LibraryEditAction
{
public:
    InitializeProgramDataAction (xTV200_data::LibraryData& library, int programIndex);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return 360; }

private:
    juce::int32 programIndex;
    xTV200_data::ProgramData saved;
};
} // namespace xTV200_action
