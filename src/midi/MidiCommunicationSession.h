#pragma once

#include "midi/MidiCommunicationProcessObserver.h"
#include "midi/MidiCommunicationThread.h"
#include "midi/MidiCommunicationThreadListener.h"

#include <juce_events/juce_events.h>

#include <memory>

namespace midi
{
class MidiDeviceManager;

/** One communication from opening the ports to closing them: what the
    communication dialog shows and the command-line tool prints.

    start() takes the device manager's communication lock, opens the ports and
    starts the process on its own thread; when the process ends, the ports are
    closed and the lock left again. A failure to open the ports ends the session
    at once with its own status text. Message thread only; the listener hears
    of every change on the message thread.
*/
class MidiCommunicationSession final : private MidiCommunicationProcessObserver,
                                       private MidiCommunicationThreadListener,
                                       private juce::AsyncUpdater
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;

        /** Progress, status or detail text changed. */
        virtual void sessionChanged() = 0;

        /** The session has ended; the ports are closed again. */
        virtual void sessionFinished() = 0;
    };

    MidiCommunicationSession (MidiCommunicationProcess& process, MidiDeviceManager& deviceManager);

    /** Stops a process still running, waiting up to two seconds for it. */
    ~MidiCommunicationSession() override;

    void setListener (Listener* newListener) noexcept { listener = newListener; }

    /** Opens the ports and starts the process; does nothing after the first call. */
    void start();

    /** Asks the process to stop at its next check; only when it can be cancelled. */
    void cancel();

    bool isFinished() const noexcept { return finished; }
    bool hasSucceeded() const noexcept { return succeeded; }

    /** The process's result code, or -1 while running or when the ports failed to open. */
    int getResultCode() const noexcept { return resultCode; }

    float getProgress() const;
    juce::String getStatusMessage() const;
    juce::String getDetailMessage() const;

    MidiCommunicationProcess& getProcess() const noexcept { return process; }

private:
    void processChanged() override;
    void threadFinished() override;
    void handleAsyncUpdate() override;
    juce::String getPortErrorText() const;
    void leaveCommunication();

    MidiCommunicationProcess& process;
    MidiDeviceManager& deviceManager;
    MidiCommunicationThread thread;
    Listener* listener = nullptr;

    bool started = false;
    bool holdingLock = false;
    bool finished = false;
    bool succeeded = false;
    int resultCode = -1;
    juce::String portErrorText;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiCommunicationSession)
};
} // namespace midi
