#include "midi/service/VirtualMidiOutputConnection.h"

#include "midi/service/VirtualMidiCable.h"

namespace midi
{
VirtualMidiOutputConnection::VirtualMidiOutputConnection (std::shared_ptr<VirtualMidiCable> cableToSendInto)
    : cable (std::move (cableToSendInto))
{
}

bool VirtualMidiOutputConnection::send (const juce::uint8* bytes, int numBytes)
{
    if (numBytes == 0)
        return true;

    if (bytes == nullptr || numBytes < 0)
        return false;

    cable->send (bytes, numBytes);
    return true;
}
} // namespace midi
