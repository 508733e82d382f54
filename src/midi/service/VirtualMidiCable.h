#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace midi
{
class VirtualMidiInputConnection;

/** One direction of an in-process MIDI connection: what is sent into it reaches
    every input connection that is open on its far end, block by block.

    Bytes sent while no input is open are dropped, as on a cable nobody listens
    to. The cable may be used from any thread.
*/
class VirtualMidiCable final
{
public:
    VirtualMidiCable() = default;

    /** Hands a copy of the block to every open input; a null or empty block
        does nothing.
    */
    void send (const juce::uint8* bytes, int numBytes);

    /** Every byte sent into the cable, whether anybody listened or not. */
    juce::int64 getNumBytesSent() const noexcept { return numBytesSent.load(); }

private:
    friend class VirtualMidiInputConnection;

    void attach (VirtualMidiInputConnection& input);

    /** Once this has returned, send() no longer reaches the input. */
    void detach (VirtualMidiInputConnection& input);

    std::mutex lock;
    std::vector<VirtualMidiInputConnection*> inputs;
    std::atomic<juce::int64> numBytesSent{0};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualMidiCable)
};
} // namespace midi
