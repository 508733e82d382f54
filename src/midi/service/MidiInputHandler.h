#pragma once

#include <juce_core/juce_core.h>

namespace midi
{
/** Receives the bytes an open input port delivers. */
class MidiInputHandler
{
public:
    virtual ~MidiInputHandler() = default;

    /** Called with each block of bytes as the system hands it over, in arrival
        order, on the port's own input thread (never on the thread that opened
        the port). A block may end anywhere, even inside a message. The bytes
        are only valid during the call.
    */
    virtual void handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes) = 0;
};
} // namespace midi
