#pragma once

#include <juce_core/juce_core.h>

namespace ui
{
/** The message alert every part of the application uses for errors and
    confirmations. A caller makes a local AlertDialog and calls one of its
    operations with localized texts.

    Each operation shows nothing and returns "no confirmation" at once when a
    modal dialog is already open; otherwise it holds the modal dialog state
    while its window is open.
*/
class AlertDialog
{
public:
    AlertDialog() = default;
    virtual ~AlertDialog() = default;

    /** One OK button. */
    void showMessage (const juce::String& title, const juce::String& message);

    /** OK and Cancel: true only when the user chose OK. */
    bool showOkCancel (const juce::String& title, const juce::String& message);

    /** Yes, No and Cancel: 1 = Yes, 2 = No, 0 = Cancel, Escape, the close
        button or not shown. */
    int showYesNoCancel (const juce::String& title, const juce::String& message);

private:
    static int show (int kind, const juce::String& title, const juce::String& message);

    JUCE_DECLARE_NON_COPYABLE (AlertDialog)
};
} // namespace ui
