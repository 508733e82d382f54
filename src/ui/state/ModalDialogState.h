#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "ui/state/ModalDialogStateObserver.h"

#include <juce_events/juce_events.h>

namespace ui
{
/** Whether a modal dialog or file chooser of the application is showing.

    While it is set every command is disabled, command lines from a second
    start are ignored and operations that would open another dialog do
    nothing. Every change notifies the observers asynchronously.
*/
class ModalDialogState final : public Singleton<ModalDialogState>,
                               public ListenerHolder<ModalDialogStateObserver>,
                               public juce::AsyncUpdater,
                               private juce::DeletedAtShutdown
{
public:
    /** Takes the state for as long as it lives, unless a dialog already holds
        it: then isBusy() is true and nothing changes.
    */
    class Guard
    {
    public:
        Guard();
        ~Guard();

        bool isBusy() const noexcept { return ! owned; }

    private:
        bool owned = false;

        JUCE_DECLARE_NON_COPYABLE (Guard)
    };

    ModalDialogState() = default;

    bool isModal() const noexcept { return modal; }

    /** Sets or clears the flag and notifies when it changed. */
    void setModal (bool shouldBeModal);

private:
    void handleAsyncUpdate() override;

    bool modal = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModalDialogState)
};
} // namespace ui
