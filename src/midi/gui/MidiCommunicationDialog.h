#pragma once

#include "midi/MidiCommunicationSession.h"
#include "ui/FirstShowingWatcher.h"
#include "ui/ProgressBarComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace midi
{
class MidiDeviceManager;

/** The content of the communication window: it runs a process from the
    moment it first shows, with its status, detail text and progress, and
    a Cancel button where the process can be cancelled.

    A process that succeeds ends the window's modal state at once with 0.
    Otherwise the result stays on screen with an OK button, which ends the
    modal state with 1. The texts and layout follow the process; message
    thread only.
*/
class MidiCommunicationDialog final : public juce::Component,
                                      private juce::Button::Listener,
                                      private MidiCommunicationSession::Listener
{
public:
    static constexpr int width = 460;
    static constexpr int heightWithoutDetail = 150;
    static constexpr int heightWithDetail = 193;

    /** Communicates through the process-wide device manager. */
    explicit MidiCommunicationDialog (MidiCommunicationProcess& process);

    MidiCommunicationDialog (MidiCommunicationProcess& process, MidiDeviceManager& deviceManager);

    /** A process still running is asked to stop and waited for. */
    ~MidiCommunicationDialog() override;

    void resized() override;

    bool isFinished() const noexcept { return session.isFinished(); }
    bool hasSucceeded() const noexcept { return session.hasSucceeded(); }

    /** What the window's modal loop ends with: 0 after success, 1 otherwise. */
    int getModalResult() const noexcept { return hasSucceeded() ? 0 : 1; }

private:
    void sessionChanged() override;
    void sessionFinished() override;
    void buttonClicked (juce::Button* button) override;

    void showSessionState();
    void showResult();
    void endModalState();

    MidiCommunicationSession session;

    juce::Label statusLabel;
    juce::TextEditor detailText;
    juce::TextButton cancelButton;
    juce::TextButton okButton;
    ui::ProgressBarComponent progressBar;
    ui::FirstShowingWatcher showingWatcher;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiCommunicationDialog)
};
} // namespace midi
