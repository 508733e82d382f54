#pragma once

#include "midi/MidiCommunicationRunner.h"

namespace midi
{
/** Runs every communication in the modal communication window: the window
    the user cannot close, centred and sized to the dialog, for as long as
    the process runs or its failure is on screen. While it shows, the
    application's modal dialog state is set.
*/
class MidiCommunicationDialogRunner final : public MidiCommunicationRunner
{
public:
    MidiCommunicationDialogRunner() = default;

    int runCommunication (MidiCommunicationProcess& process, const juce::String& title) override;

    /** Shows the window with title and returns 0 when the process succeeded,
        1 otherwise. Message thread only. */
    static int runCommunicationDialog (MidiCommunicationProcess& process, const juce::String& title);

private:
    JUCE_DECLARE_NON_COPYABLE (MidiCommunicationDialogRunner)
};
} // namespace midi
