#include "midi/gui/MidiCommunicationDialogRunner.h"

#include "midi/gui/DialogWithNoCloseButton.h"
#include "midi/gui/MidiCommunicationDialog.h"
#include "ui/state/ModalDialogState.h"

namespace midi
{
int MidiCommunicationDialogRunner::runCommunication (MidiCommunicationProcess& process,
                                                     const juce::String& title)
{
    return runCommunicationDialog (process, title);
}

int MidiCommunicationDialogRunner::runCommunicationDialog (MidiCommunicationProcess& process,
                                                           const juce::String& title)
{
    JUCE_ASSERT_MESSAGE_THREAD

    // When another dialog already holds the state, it stays set until that
    // dialog clears it.
    const ui::ModalDialogState::Guard modalState;

    MidiCommunicationDialog dialog (process);
    const auto background =
        juce::LookAndFeel::getDefaultLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId);
    DialogWithNoCloseButton window (title, background);

    window.setContentNonOwned (&dialog, true);
    window.setResizable (false, false);
    window.centreWithSize (window.getWidth(), window.getHeight());

    window.runModalLoop();
    return dialog.getModalResult();
}
} // namespace midi
