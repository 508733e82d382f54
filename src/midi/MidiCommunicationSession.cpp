#include "midi/MidiCommunicationSession.h"

#include "app/LocalizedText.h"
#include "midi/MidiDeviceManager.h"

namespace midi
{
MidiCommunicationSession::MidiCommunicationSession (MidiCommunicationProcess& processToRun,
                                                    MidiDeviceManager& manager)
    : process (processToRun)
    , deviceManager (manager)
    , thread (processToRun)
{
    thread.addObserver (this);
    process.addObserver (this);
}

MidiCommunicationSession::~MidiCommunicationSession()
{
    process.removeObserver (this);
    thread.removeObserver (this);
    cancelPendingUpdate();

    if (thread.isThreadRunning() && ! thread.stopThread (2000))
    {
        DBG ("cannot stop MIDI communication thread.");
    }

    leaveCommunication();
}

void MidiCommunicationSession::start()
{
    if (started)
        return;

    started = true;
    deviceManager.getCommunicationLock().enter();
    holdingLock = true;

    if (deviceManager.openPorts())
    {
        thread.startThread();
        return;
    }

    portErrorText = getPortErrorText();
    deviceManager.getCommunicationLock().exit();
    holdingLock = false;
    triggerAsyncUpdate();
}

void MidiCommunicationSession::cancel()
{
    if (process.canCancel())
        thread.signalThreadShouldExit();
}

float MidiCommunicationSession::getProgress() const
{
    return process.getProgress();
}

juce::String MidiCommunicationSession::getStatusMessage() const
{
    return portErrorText.isNotEmpty() ? portErrorText : process.getStatusMessage();
}

juce::String MidiCommunicationSession::getDetailMessage() const
{
    return portErrorText.isNotEmpty() ? juce::String() : process.getDetailMessage();
}

void MidiCommunicationSession::processChanged()
{
    if (listener != nullptr)
        listener->sessionChanged();
}

void MidiCommunicationSession::threadFinished()
{
    // The thread has left run(); wait for it to end completely before the next session.
    thread.waitForThreadToExit (-1);
    leaveCommunication();

    resultCode = thread.getResult();
    succeeded = process.isSuccess (resultCode);
    finished = true;

    if (listener != nullptr)
        listener->sessionFinished();
}

void MidiCommunicationSession::handleAsyncUpdate()
{
    finished = true;

    if (listener != nullptr)
        listener->sessionFinished();
}

juce::String MidiCommunicationSession::getPortErrorText() const
{
    const bool synthesizerKnown = ! deviceManager.isAutomatic() || deviceManager.isFound();
    return getLocalizedText (synthesizerKnown ? "ConnectionErrorFailedToOpenPort"
                                              : "ConnectionErrorNotFoundTolmVesk");
}

void MidiCommunicationSession::leaveCommunication()
{
    if (! holdingLock)
        return;

    deviceManager.closePorts();
    deviceManager.getCommunicationLock().exit();
    holdingLock = false;
}
} // namespace midi
