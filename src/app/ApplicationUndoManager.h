#pragma once

#include "base/Singleton.h"

#include <juce_data_structures/juce_data_structures.h>

namespace application
{
/** The one undo history of the library.

    It keeps at most two million units of stored actions but never fewer than
    the last twenty transactions, however large they are. Its change messages
    (after an action is performed, undone or redone, and after the history is
    cleared) are what refreshes the data observers and the current program.
*/
class ApplicationUndoManager final : public Singleton<ApplicationUndoManager>,
                                     public juce::UndoManager,
                                     private juce::DeletedAtShutdown
{
public:
    static constexpr int maxStoredUnits = 2000000;
    static constexpr int minTransactionsKept = 20;

    ApplicationUndoManager() : juce::UndoManager (maxStoredUnits, minTransactionsKept) {}

    /** Sets the limits again; start-up calls this so that the limits hold
        whatever happened to the history before.
    */
    void applyLimits() { setMaxNumberOfStoredUnits (maxStoredUnits, minTransactionsKept); }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ApplicationUndoManager)
};
} // namespace application
