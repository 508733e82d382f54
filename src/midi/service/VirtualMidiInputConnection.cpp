#include "midi/service/VirtualMidiInputConnection.h"

#include "midi/service/VirtualMidiCable.h"

namespace midi
{
VirtualMidiInputConnection::VirtualMidiInputConnection (std::shared_ptr<VirtualMidiCable> cableToListenTo,
                                                        MidiInputHandler& handler)
    : cable (std::move (cableToListenTo))
    , inputHandler (handler)
{
    deliveryThread = std::thread ([this] { deliverUntilStopped(); });
    cable->attach (*this);
}

VirtualMidiInputConnection::~VirtualMidiInputConnection()
{
    cable->detach (*this);

    {
        const std::lock_guard<std::mutex> guard (lock);
        stopping = true;
        queue.clear();
    }

    blockQueued.notify_all();
    deliveryThread.join();
}

void VirtualMidiInputConnection::enqueue (const juce::uint8* bytes, int numBytes)
{
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (stopping)
            return;

        queue.emplace_back (bytes, bytes + numBytes);
    }

    blockQueued.notify_one();
}

void VirtualMidiInputConnection::deliverUntilStopped()
{
    for (;;)
    {
        Block block;

        {
            std::unique_lock<std::mutex> guard (lock);
            blockQueued.wait (guard, [this] { return stopping || ! queue.empty(); });

            if (stopping)
                return;

            block = std::move (queue.front());
            queue.pop_front();
        }

        // Called without the lock, so the handler may send, even into this cable.
        inputHandler.handleIncomingMidiBytes (block.data(), static_cast<int> (block.size()));
    }
}
} // namespace midi
