#include "midi/gui/MidiCommunicationDialog.h"

#include "app/LocalizedText.h"
#include "midi/MidiDeviceManager.h"
#include "ui/FontLibrary.h"

namespace midi
{
MidiCommunicationDialog::MidiCommunicationDialog (MidiCommunicationProcess& process)
    : MidiCommunicationDialog (process, *MidiDeviceManager::getInstance())
{
}

MidiCommunicationDialog::MidiCommunicationDialog (MidiCommunicationProcess& process,
                                                  MidiDeviceManager& deviceManager)
    : juce::Component ("MidiCommunicationDialog")
    , session (process, deviceManager)
    , statusLabel ("StatusMessage")
    , detailText ("DetailMessage")
    , cancelButton ("CancelButton")
    , okButton ("Button")
    , progressBar ("ProgressBar")
    , showingWatcher (*this, [this] { session.start(); })
{
    auto* fonts = FontLibrary::getInstance();

    statusLabel.setFont (fonts->getFont ("MidiCommunicationDialogStatus"));
    statusLabel.setJustificationType (juce::Justification::centredLeft);
    addAndMakeVisible (statusLabel);

    detailText.setMultiLine (true, true);
    detailText.setReadOnly (true);
    detailText.setCaretVisible (false);
    detailText.setFont (fonts->getFont ("MidiCommunicationDialogDetail"));
    addChildComponent (detailText);

    progressBar.setRange (0.0, 100.0, 1.0);
    addAndMakeVisible (progressBar);

    cancelButton.setButtonText (getLocalizedText ("CommonCancel"));
    cancelButton.setEnabled (process.canCancel());
    cancelButton.addListener (this);
    addAndMakeVisible (cancelButton);

    okButton.setButtonText (getLocalizedText ("CommonCancel"));
    okButton.setEnabled (false);
    okButton.addListener (this);
    addChildComponent (okButton);

    session.setListener (this);
    setSize (width, heightWithoutDetail);
}

MidiCommunicationDialog::~MidiCommunicationDialog()
{
    session.setListener (nullptr);
    cancelButton.removeListener (this);
    okButton.removeListener (this);
}

void MidiCommunicationDialog::resized()
{
    const bool withDetail = detailText.isVisible();

    statusLabel.setBounds (20, 24, 420, 40);
    detailText.setBounds (20, 52, 420, 45);
    progressBar.setBounds (20, withDetail ? 114 : 64, 420, 24);

    const juce::Rectangle<int> buttonArea (352, withDetail ? 154 : 104, 88, 24);
    cancelButton.setBounds (buttonArea);
    okButton.setBounds (buttonArea);
}

void MidiCommunicationDialog::sessionChanged()
{
    showSessionState();
}

void MidiCommunicationDialog::sessionFinished()
{
    if (session.hasSucceeded())
    {
        endModalState();
        return;
    }

    showSessionState();
    showResult();
}

void MidiCommunicationDialog::buttonClicked (juce::Button* button)
{
    if (button == &okButton)
    {
        endModalState();
    }
    else if (button == &cancelButton)
    {
        // The process notices at its next check and ends with its own text.
        cancelButton.setEnabled (false);
        session.cancel();
    }
}

void MidiCommunicationDialog::showSessionState()
{
    progressBar.setValue (session.getProgress() * 100.0, juce::dontSendNotification);
    statusLabel.setText (session.getStatusMessage(), juce::dontSendNotification);

    detailText.setText (session.getDetailMessage(), false);

    const bool withDetail = session.getDetailMessage().isNotEmpty();

    if (withDetail != detailText.isVisible())
        detailText.setVisible (withDetail);

    setSize (width, withDetail ? heightWithDetail : heightWithoutDetail);
    resized();
}

void MidiCommunicationDialog::showResult()
{
    okButton.setButtonText (getLocalizedText ("CommonOK"));
    cancelButton.setVisible (false);
    okButton.setEnabled (true);
    okButton.setVisible (true);
}

void MidiCommunicationDialog::endModalState()
{
    if (auto* window = getTopLevelComponent(); window != nullptr && window->isCurrentlyModal (false))
        window->exitModalState (getModalResult());
}
} // namespace midi
