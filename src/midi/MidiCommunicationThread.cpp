#include "midi/MidiCommunicationThread.h"

namespace midi
{
MidiCommunicationThread::MidiCommunicationThread (MidiCommunicationProcess& processToRun)
    : juce::Thread ("MidiCommunicationThread")
    , process (processToRun)
{
}

MidiCommunicationThread::~MidiCommunicationThread()
{
    // Whoever owns the thread stops it first; this is the last line of defence.
    stopThread (-1);
    cancelPendingUpdate();
}

void MidiCommunicationThread::run()
{
    process.setThread (this);
    result = process.run();
    process.setThread (nullptr);
    triggerAsyncUpdate();
}

void MidiCommunicationThread::handleAsyncUpdate()
{
    callObservers ([] (MidiCommunicationThreadListener& listener) { listener.threadFinished(); });
}
} // namespace midi
