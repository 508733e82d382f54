#include "midi/service/VirtualMidiCable.h"

#include "midi/service/VirtualMidiInputConnection.h"

#include <algorithm>

namespace midi
{
void VirtualMidiCable::send (const juce::uint8* bytes, int numBytes)
{
    if (bytes == nullptr || numBytes <= 0)
        return;

    numBytesSent += numBytes;

    // Holding the lock while queueing keeps detach() from returning while a
    // block is on its way into the input being closed.
    const std::lock_guard<std::mutex> guard (lock);

    for (auto* input : inputs)
        input->enqueue (bytes, numBytes);
}

void VirtualMidiCable::attach (VirtualMidiInputConnection& input)
{
    const std::lock_guard<std::mutex> guard (lock);
    inputs.push_back (&input);
}

void VirtualMidiCable::detach (VirtualMidiInputConnection& input)
{
    const std::lock_guard<std::mutex> guard (lock);
    inputs.erase (std::remove (inputs.begin(), inputs.end(), &input), inputs.end());
}
} // namespace midi
