#pragma once

#include "midi/MidiInputReassembler.h"
#include "midi/service/MidiInputHandler.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace testing_support
{
using Bytes = std::vector<juce::uint8>;

inline Bytes toBytes (const juce::MemoryBlock& block)
{
    const auto* begin = static_cast<const juce::uint8*> (block.getData());
    return Bytes (begin, begin + block.getSize());
}

/** Records what an input port delivers: every block as handed over, and the
    SysEx messages they make up. Waits block on a condition variable with a
    generous limit that only a failing test reaches.
*/
class ReceivedMessageCollector final : public midi::MidiInputHandler
{
public:
    static constexpr std::chrono::seconds waitLimit{10};

    void handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes) override
    {
        {
            const std::lock_guard<std::mutex> guard (lock);
            blocks.emplace_back (bytes, bytes + numBytes);
            threads.push_back (std::this_thread::get_id());
            reassembler.processBlock (bytes, numBytes);
        }

        changed.notify_all();
    }

    bool waitForBlocks (size_t count)
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, waitLimit, [&] { return blocks.size() >= count; });
    }

    bool waitForMessages (size_t count)
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, waitLimit, [&] { return messages.size() >= count; });
    }

    std::vector<Bytes> getBlocks() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return blocks;
    }

    std::vector<Bytes> getMessages() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return messages;
    }

    std::vector<std::thread::id> getThreads() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return threads;
    }

private:
    mutable std::mutex lock;
    std::condition_variable changed;
    std::vector<Bytes> blocks;
    std::vector<Bytes> messages;
    std::vector<std::thread::id> threads;
    midi::MidiInputReassembler reassembler{[this] (const juce::uint8* bytes, int size, bool isSysEx)
                                           {
                                               if (isSysEx)
                                                   messages.emplace_back (bytes, bytes + size);
                                           }};
};
} // namespace testing_support
