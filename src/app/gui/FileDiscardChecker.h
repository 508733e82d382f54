#pragma once

#include <juce_core/juce_core.h>

namespace application
{
/** Asks before the library would be discarded (New, Open, Quit, a dropped or
    handed-over library): when it has unsaved changes the user may save them,
    throw them away or stay. Message thread only.
*/
class FileDiscardChecker
{
public:
    FileDiscardChecker() = default;
    virtual ~FileDiscardChecker() = default;

    /** 0 = the caller may go ahead and discard the library; 1 = it must stop
        (a dialog is already open, the user cancelled, or saving did not
        succeed); 2 = the alert gave an unknown answer, stop as well. */
    int check();

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileDiscardChecker)
};
} // namespace application
