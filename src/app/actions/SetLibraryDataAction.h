#pragma once

#include "app/actions/LibraryEditAction.h"

namespace xTV200_action
{
/** Replaces the whole library: its 300 programs and the favourites. */
class SetLibraryDataAction final : public LibraryEditAction
{
public:
    SetLibraryDataAction (xTV200_data::LibraryData& library, const xTV200_data::LibraryData& newLibrary);

    bool perform() override;
    bool undo() override;

    // Two whole libraries, roughly their bytes.
    int getSizeInUnits() override { return 214728; }

private:
    xTV200_data::LibraryData newLibrary;
    xTV200_data::LibraryData oldLibrary;
};
} // namespace xTV200_action
