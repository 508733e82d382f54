#pragma once

#include "data/ProgramData.h"
#include "midi/TransactionTimeouts.h"

#include <juce_events/juce_events.h>

#include <atomic>

namespace midi
{
class MidiDeviceManager;
}

namespace xTV200_midi
{
/** Sends programs to the synthesizer's current program in the background, so
    that the musician hears each program as it is selected.

    Only the latest program waiting is sent: one selected while another is on
    its way follows it, and those selected in between are skipped. Failures
    are silent, and a program that arrives while a communication holds the
    ports is dropped. The transmitter holds the device manager's communication lock
    while it uses the ports.
*/
class AsyncCurrentProgramTransmitter final : private juce::Thread
{
public:
    explicit AsyncCurrentProgramTransmitter (midi::MidiDeviceManager& deviceManager);
    ~AsyncCurrentProgramTransmitter() override;

    /** Makes program the next one to send and starts the thread if needed. */
    void transmit (const xTV200_data::ProgramData& program);

    /** Forgets the program waiting, if any. */
    void clearPending();

    /** Asks a transmission in progress to end and waits until the thread has ended. */
    void stopAndWait();

    bool isTransmitting() const;

    void setTimeouts (TransactionTimeouts newTimeouts) noexcept;

    /** Programs whose transmission was attempted since construction. */
    int getNumTransmissions() const noexcept { return numTransmissions; }

private:
    void run() override;
    bool takePending (xTV200_data::ProgramData& program);
    void send (const xTV200_data::ProgramData& program);

    midi::MidiDeviceManager& deviceManager;

    mutable juce::CriticalSection lock;
    bool pending = false;
    bool running = false;
    xTV200_data::ProgramData programToSend;
    TransactionTimeouts timeouts;

    std::atomic<int> numTransmissions{0};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AsyncCurrentProgramTransmitter)
};
} // namespace xTV200_midi
