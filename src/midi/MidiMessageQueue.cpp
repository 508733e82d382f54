#include "midi/MidiMessageQueue.h"

#include <chrono>

namespace midi
{
void MidiMessageQueue::push (const CTRVMidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> lock (mutex);
        messages.push_back (message);
    }

    messageArrived.notify_one();
}

bool MidiMessageQueue::pop (CTRVMidiMessage& message)
{
    const std::lock_guard<std::mutex> lock (mutex);

    if (messages.empty())
        return false;

    message = std::move (messages.front());
    messages.pop_front();
    return true;
}

bool MidiMessageQueue::waitAndPop (CTRVMidiMessage& message, juce::uint32 deadlineMilliseconds)
{
    std::unique_lock<std::mutex> lock (mutex);

    while (messages.empty())
    {
        // Signed difference, so that the counter's wrap-around after 49 days does no harm.
        const auto remaining =
            static_cast<juce::int32> (deadlineMilliseconds - juce::Time::getMillisecondCounter());

        if (remaining <= 0)
            return false;

        messageArrived.wait_for (lock, std::chrono::milliseconds (remaining));
    }

    message = std::move (messages.front());
    messages.pop_front();
    return true;
}

size_t MidiMessageQueue::size() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return messages.size();
}
} // namespace midi
