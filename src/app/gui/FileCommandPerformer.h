#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_menu
{
/** The File menu's commands (ids 1 to 9): the document operations with
    their dialogs, and quitting after the discard check.
*/
class FileCommandPerformer final
{
public:
    FileCommandPerformer() = default;

    /** Does the work of one of the File commands; other ids do nothing. */
    void perform (int commandID);

private:
    static void newLibrary();
    static void quit();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileCommandPerformer)
};
} // namespace xTV200_menu
