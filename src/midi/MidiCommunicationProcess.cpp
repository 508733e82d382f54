#include "midi/MidiCommunicationProcess.h"

namespace midi
{
MidiCommunicationProcess::~MidiCommunicationProcess()
{
    cancelPendingUpdate();
}

juce::String MidiCommunicationProcess::getStatusMessage() const
{
    const juce::ScopedLock sl (textLock);
    return statusMessage;
}

juce::String MidiCommunicationProcess::getDetailMessage() const
{
    const juce::ScopedLock sl (textLock);
    return detailMessage;
}

bool MidiCommunicationProcess::isCancelled() const
{
    const auto* runningThread = thread.load();
    return runningThread != nullptr && runningThread->threadShouldExit();
}

void MidiCommunicationProcess::setProgress (float newProgress)
{
    progress = newProgress;
    triggerAsyncUpdate();
}

void MidiCommunicationProcess::setStatusMessage (const juce::String& text)
{
    {
        const juce::ScopedLock sl (textLock);
        statusMessage = text;
    }

    triggerAsyncUpdate();
}

void MidiCommunicationProcess::setDetailMessage (const juce::String& text)
{
    {
        const juce::ScopedLock sl (textLock);
        detailMessage = text;
    }

    triggerAsyncUpdate();
}

void MidiCommunicationProcess::handleAsyncUpdate()
{
    callObservers ([] (MidiCommunicationProcessObserver& observer) { observer.processChanged(); });
}
} // namespace midi
