#pragma once

#include "midi/service/MidiOutputConnection.h"

#include <memory>

namespace midi
{
class VirtualMidiCable;

/** An open output of a VirtualMidiService: sends into its cable. */
class VirtualMidiOutputConnection final : public MidiOutputConnection
{
public:
    explicit VirtualMidiOutputConnection (std::shared_ptr<VirtualMidiCable> cableToSendInto);

    /** Fails only for a null block or a negative size; a block nobody
        listens to is dropped, as a cable would drop it.
    */
    bool send (const juce::uint8* bytes, int numBytes) override;

private:
    std::shared_ptr<VirtualMidiCable> cable;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualMidiOutputConnection)
};
} // namespace midi
