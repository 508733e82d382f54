#pragma once

#include "base/ListenerHolder.h"
#include "midi/MidiCommunicationProcess.h"
#include "midi/MidiCommunicationThreadListener.h"

#include <juce_events/juce_events.h>

#include <atomic>

namespace midi
{
/** Runs one process off the message thread and tells its listeners, on the
    message thread, when the process has ended. Asking the thread to stop only
    raises its flag: the process notices at its next check. */
class MidiCommunicationThread final : public juce::Thread,
                                      public ListenerHolder<MidiCommunicationThreadListener>,
                                      private juce::AsyncUpdater
{
public:
    /** process must outlive the thread. */
    explicit MidiCommunicationThread (MidiCommunicationProcess& process);
    ~MidiCommunicationThread() override;

    MidiCommunicationProcess& getProcess() const noexcept { return process; }

    /** The process's result code, once it has ended. */
    int getResult() const noexcept { return result; }

private:
    void run() override;
    void handleAsyncUpdate() override;

    MidiCommunicationProcess& process;
    std::atomic<int> result{-1};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiCommunicationThread)
};
} // namespace midi
