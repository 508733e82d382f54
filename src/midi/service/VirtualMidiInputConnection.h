#pragma once

#include "midi/service/MidiInputConnection.h"
#include "midi/service/MidiInputHandler.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace midi
{
class VirtualMidiCable;

/** An open input of a VirtualMidiService.

    Blocks sent into the cable are queued and handed to the handler on the
    connection's own thread, one call per block, in the order they were sent.
    The destructor detaches from the cable, drops whatever is still queued and
    joins the thread, so the handler is never called once it has returned.
*/
class VirtualMidiInputConnection final : public MidiInputConnection
{
public:
    VirtualMidiInputConnection (std::shared_ptr<VirtualMidiCable> cableToListenTo, MidiInputHandler& handler);
    ~VirtualMidiInputConnection() override;

private:
    friend class VirtualMidiCable;

    using Block = std::vector<juce::uint8>;

    // Called by the cable on the sender's thread.
    void enqueue (const juce::uint8* bytes, int numBytes);

    void deliverUntilStopped();

    std::shared_ptr<VirtualMidiCable> cable;
    MidiInputHandler& inputHandler;

    std::mutex lock;
    std::condition_variable blockQueued;
    std::deque<Block> queue;
    bool stopping = false;

    std::thread deliveryThread;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualMidiInputConnection)
};
} // namespace midi
