#include "midi/MidiMessageQueue.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
CTRVMidiMessage messageOf (juce::uint8 value)
{
    const juce::uint8 bytes[]{0xf0, value, 0xf7};
    return CTRVMidiMessage (3, bytes);
}

juce::uint32 millisecondsFromNow (juce::uint32 milliseconds)
{
    return juce::Time::getMillisecondCounter() + milliseconds;
}

TEST (MidiMessageQueueTest, HandsMessagesOutOldestFirst)
{
    midi::MidiMessageQueue queue;
    queue.push (messageOf (1));
    queue.push (messageOf (2));

    CTRVMidiMessage message;
    ASSERT_TRUE (queue.pop (message));
    EXPECT_EQ (message.getData()[1], 1);
    ASSERT_TRUE (queue.waitAndPop (message, millisecondsFromNow (0)));
    EXPECT_EQ (message.getData()[1], 2);
    EXPECT_FALSE (queue.pop (message));
}

TEST (MidiMessageQueueTest, WaitingWakesForAMessagePushedOnAnotherThread)
{
    midi::MidiMessageQueue queue;
    std::thread pusher (
        [&queue]
        {
            std::this_thread::sleep_for (std::chrono::milliseconds (20));
            queue.push (messageOf (7));
        });

    CTRVMidiMessage message;
    const bool arrived = queue.waitAndPop (message, millisecondsFromNow (10000));
    pusher.join();

    ASSERT_TRUE (arrived);
    EXPECT_EQ (message.getData()[1], 7);
}

TEST (MidiMessageQueueTest, WaitingEndsEmptyHandedAtTheDeadline)
{
    midi::MidiMessageQueue queue;
    CTRVMidiMessage message;
    EXPECT_FALSE (queue.waitAndPop (message, millisecondsFromNow (30)));
    EXPECT_EQ (message.getLength(), 0);
}
} // namespace
