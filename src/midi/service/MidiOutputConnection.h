#pragma once

#include <juce_core/juce_core.h>

namespace midi
{
/** An open output port; destroying it closes the port. */
class MidiOutputConnection
{
public:
    virtual ~MidiOutputConnection() = default;

    /** Sends raw MIDI bytes: normally one complete message (a short message or
        a whole SysEx message, F0 to F7), though a SysEx message may also be
        handed over in consecutive pieces. Returns once the bytes are on their
        way, or false when they could not be handed to the system (they may
        then have been sent in part). Calls may come from any thread, one at a
        time.
    */
    virtual bool send (const juce::uint8* bytes, int numBytes) = 0;
};
} // namespace midi
