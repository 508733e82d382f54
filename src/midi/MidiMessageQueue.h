#pragma once

#include "midi/CTRVMidiMessage.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace midi
{
/** A first-in first-out queue of messages between the port's input thread,
    which pushes, and the communication thread, which waits for them.
*/
class MidiMessageQueue
{
public:
    MidiMessageQueue() = default;
    virtual ~MidiMessageQueue() = default;

    void push (const CTRVMidiMessage& message);

    /** Takes the oldest message; false when the queue is empty. */
    bool pop (CTRVMidiMessage& message);

    /** Takes the oldest message, waiting until one arrives or the deadline
        (juce::Time::getMillisecondCounter() value) passes. False on timeout.
    */
    bool waitAndPop (CTRVMidiMessage& message, juce::uint32 deadlineMilliseconds);

    size_t size() const;

private:
    mutable std::mutex mutex;
    std::condition_variable messageArrived;
    std::deque<CTRVMidiMessage> messages;

    JUCE_DECLARE_NON_COPYABLE (MidiMessageQueue)
};
} // namespace midi
