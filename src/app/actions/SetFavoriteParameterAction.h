#pragma once

#include "app/actions/LibraryEditAction.h"

namespace xTV200_action
{
/** Sets one favourite slot to a program index. */
class SetFavoriteParameterAction final : public LibraryEditAction
{
public:
    SetFavoriteParameterAction (xTV200_data::LibraryData& library, int bank, int slot, int newValue);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return 20; }

private:
    juce::int32 bank, slot, newValue, oldValue = 0;
};
} // namespace xTV200_action
