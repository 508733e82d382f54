#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace ui
{
/** Shows a dialog's content in the application's modal dialog window and
    returns the result its button ended the loop with.

    The window is the framework's DialogWindow with its own title bar, a
    white background, Escape and the close button ending it with 0, not
    resizable, sized to the content and centred over the active window. The
    caller owns the content and keeps the modal dialog state set (a
    ModalDialogState::Guard) for as long as this runs.

    Tests replace the window with a responder: while a ScopedResponder lives,
    run() hands the content to it instead and returns what it answers, so a
    test can click the content's buttons and choose the result without a
    nested message loop.
*/
class ModalDialogRunner final
{
public:
    using Responder = std::function<int (const juce::String& title, juce::Component& content)>;

    class ScopedResponder final
    {
    public:
        explicit ScopedResponder (Responder responderToUse);
        ~ScopedResponder();

    private:
        Responder previous;

        JUCE_DECLARE_NON_COPYABLE (ScopedResponder)
    };

    /** Message thread only. */
    static int run (const juce::String& title, juce::Component& content);

    /** Ends the modal window that holds the component with the result; does
        nothing when the component is not inside one (as under a responder). */
    static void finish (juce::Component& contentOrChild, int result);

private:
    ModalDialogRunner() = delete;
};
} // namespace ui
