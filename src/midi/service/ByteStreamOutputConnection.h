#pragma once

#include "midi/service/ByteStreamDescriptor.h"
#include "midi/service/MidiOutputConnection.h"

namespace midi
{
/** Writes MIDI bytes to a byte stream as they are given, unchanged. */
class ByteStreamOutputConnection final : public MidiOutputConnection
{
public:
    explicit ByteStreamOutputConnection (ByteStreamDescriptor descriptor) noexcept;

    /** Writes all bytes, waiting while the stream is full; false when the
        stream fails (a reader that went away gives EPIPE, not a signal). */
    bool send (const juce::uint8* bytes, int numBytes) override;

private:
    ByteStreamDescriptor output;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ByteStreamOutputConnection)
};
} // namespace midi
