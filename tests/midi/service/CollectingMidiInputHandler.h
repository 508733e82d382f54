#pragma once

#include "midi/service/MidiInputHandler.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace test
{
/** Gathers the bytes an input connection delivers, and lets the test wait,
    with a generous limit, until enough have come. */
class CollectingMidiInputHandler final : public midi::MidiInputHandler
{
public:
    using Bytes = std::vector<juce::uint8>;

    void handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes) override
    {
        {
            const std::lock_guard<std::mutex> guard (lock);
            received.insert (received.end(), bytes, bytes + numBytes);
            ++numBlocks;

            if (std::this_thread::get_id() == creatingThread)
                calledOnCreatingThread = true;
        }

        changed.notify_all();
    }

    /** Waits until at least numBytes have arrived, or the limit has passed;
        returns what has arrived. */
    Bytes waitForBytes (size_t numBytes, std::chrono::milliseconds limit = std::chrono::seconds (5))
    {
        std::unique_lock<std::mutex> guard (lock);
        changed.wait_for (guard, limit, [&] { return received.size() >= numBytes; });
        return received;
    }

    int getNumBlocks() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return numBlocks;
    }

    bool wasCalledOnCreatingThread() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return calledOnCreatingThread;
    }

private:
    mutable std::mutex lock;
    std::condition_variable changed;
    Bytes received;
    int numBlocks = 0;
    const std::thread::id creatingThread = std::this_thread::get_id();
    bool calledOnCreatingThread = false;
};
} // namespace test
