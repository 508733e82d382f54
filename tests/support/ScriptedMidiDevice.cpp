#include "support/ScriptedMidiDevice.h"

namespace test
{
ScriptedMidiDevice::ScriptedMidiDevice (std::shared_ptr<midi::MidiService> farEnd, Script scriptToRun)
    : service (std::move (farEnd))
    , script (std::move (scriptToRun))
    , reassembler (
          [this] (const juce::uint8* data, int numBytes, bool isSysEx)
          {
              if (isSysEx)
                  answer (data, numBytes);
          })
{
    juce::String error;
    output = service->openOutput (0, error);
    input = service->openInput (0, *this, error);
    jassert (input != nullptr && output != nullptr);
}

ScriptedMidiDevice::~ScriptedMidiDevice()
{
    input.reset();
}

std::vector<juce::MemoryBlock> ScriptedMidiDevice::getReceived() const
{
    const std::lock_guard<std::mutex> lock (receivedLock);
    return received;
}

juce::MemoryBlock ScriptedMidiDevice::bytes (std::initializer_list<int> values)
{
    juce::MemoryBlock block;

    for (const auto value : values)
    {
        const auto byte = static_cast<juce::uint8> (value);
        block.append (&byte, 1);
    }

    return block;
}

void ScriptedMidiDevice::handleIncomingMidiBytes (const juce::uint8* data, int numBytes)
{
    reassembler.processBlock (data, numBytes);
}

void ScriptedMidiDevice::answer (const juce::uint8* data, int numBytes)
{
    const juce::MemoryBlock request (data, static_cast<size_t> (numBytes));

    {
        const std::lock_guard<std::mutex> lock (receivedLock);
        received.push_back (request);
    }

    for (const auto& reply : script (request))
        output->send (static_cast<const juce::uint8*> (reply.getData()), static_cast<int> (reply.getSize()));
}
} // namespace test
