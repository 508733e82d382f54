#pragma once

#include "data/LibraryData.h"

#include <juce_data_structures/juce_data_structures.h>

namespace xTV200_action
{
/** The base of the library's undoable actions: it keeps the library's
    modified mark right.

    Performing marks the library modified. Undoing clears the mark again only
    when the library was clean when the action was performed and has not been
    saved since; an undo after a save leaves the library different from its
    file, so it stays marked.
*/
class LibraryEditAction : public juce::UndoableAction
{
protected:
    explicit LibraryEditAction (xTV200_data::LibraryData& libraryToEdit) : library (libraryToEdit) {}

    void markModified();
    void restoreModifiedState();

    xTV200_data::LibraryData& library;

private:
    bool wasModified = false;
    juce::uint32 savedStateWhenPerformed = 0;
};
} // namespace xTV200_action
