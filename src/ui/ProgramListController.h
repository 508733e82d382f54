#pragma once

#include "app/LibraryEditProcessor.h"
#include "ui/ProgramListControllerInterface.h"

namespace xTV200_ui
{
/** The program list's edits on the library: the current program follows the
    selection, and every drop is one undoable transaction of the application's
    undo history. */
class ProgramListController final : public ui::ProgramListControllerInterface
{
public:
    /** Edits library (normally the data centre's) through the application's undo history. */
    explicit ProgramListController (xTV200_data::LibraryData& library);

    void selectionChanged() override;
    bool dragInsert (const std::vector<int>& newOrder, int insertIndex) override;
    bool dragCopy (const std::map<int, int>& targetToSource, int targetRow) override;

    /** Refused (nothing changes) when the preset or program index does not
        name an installed preset program, or the row is not a library slot:
        a program that is not there must not wipe a row with an initial one. */
    bool dropPreset (int row, int presetIndex, int programIndex) override;

private:
    xTV200_data::LibraryData& library;
    xTV200_application::LibraryEditProcessor editor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramListController)
};
} // namespace xTV200_ui
