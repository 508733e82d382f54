#include "midi/service/VirtualMidiService.h"

#include "midi/service/VirtualMidiCable.h"
#include "midi/service/VirtualMidiInputConnection.h"
#include "midi/service/VirtualMidiOutputConnection.h"

namespace midi
{
VirtualMidiService::VirtualMidiService (juce::String nameOfService)
    : serviceName (std::move (nameOfService))
{
}

VirtualMidiService::~VirtualMidiService() = default;

std::shared_ptr<MidiService> VirtualMidiService::addPortPair (const juce::String& inputName,
                                                              const juce::String& outputName)
{
    auto towardsThis = std::make_shared<VirtualMidiCable>();
    auto towardsFarEnd = std::make_shared<VirtualMidiCable>();

    auto farEnd = std::make_shared<VirtualMidiService> (serviceName);
    farEnd->addPorts ({outputName, towardsFarEnd}, {inputName, towardsThis});
    addPorts ({inputName, towardsThis}, {outputName, towardsFarEnd});
    return farEnd;
}

void VirtualMidiService::addPorts (Port input, Port output)
{
    const std::lock_guard<std::mutex> guard (lock);
    inputs.push_back (std::move (input));
    outputs.push_back (std::move (output));
}

void VirtualMidiService::setPortUnavailable (bool isInput, int index, bool unavailable)
{
    const std::lock_guard<std::mutex> guard (lock);
    auto& ports = isInput ? inputs : outputs;

    if (juce::isPositiveAndBelow (index, ports.size()))
        ports[static_cast<size_t> (index)].unavailable = unavailable;
}

juce::int64 VirtualMidiService::getNumBytesSent (int outputIndex) const
{
    const std::lock_guard<std::mutex> guard (lock);

    if (! juce::isPositiveAndBelow (outputIndex, outputs.size()))
        return 0;

    return outputs[static_cast<size_t> (outputIndex)].cable->getNumBytesSent();
}

juce::StringArray VirtualMidiService::getInputPortNames()
{
    const std::lock_guard<std::mutex> guard (lock);
    return getNames (inputs);
}

juce::StringArray VirtualMidiService::getOutputPortNames()
{
    const std::lock_guard<std::mutex> guard (lock);
    return getNames (outputs);
}

juce::StringArray VirtualMidiService::getNames (const std::vector<Port>& ports)
{
    juce::StringArray names;

    for (const auto& port : ports)
        names.add (port.name);

    return names;
}

std::unique_ptr<MidiInputConnection> VirtualMidiService::openInput (int index, MidiInputHandler& handler,
                                                                    juce::String& errorMessage)
{
    if (auto cable = findCableToOpen (true, index, errorMessage))
        return std::make_unique<VirtualMidiInputConnection> (std::move (cable), handler);

    return nullptr;
}

std::unique_ptr<MidiOutputConnection> VirtualMidiService::openOutput (int index, juce::String& errorMessage)
{
    if (auto cable = findCableToOpen (false, index, errorMessage))
        return std::make_unique<VirtualMidiOutputConnection> (std::move (cable));

    return nullptr;
}

std::shared_ptr<VirtualMidiCable> VirtualMidiService::findCableToOpen (bool isInput, int index,
                                                                       juce::String& errorMessage)
{
    const std::lock_guard<std::mutex> guard (lock);
    const auto& ports = isInput ? inputs : outputs;
    const auto kind = juce::String (isInput ? "input" : "output");

    if (! juce::isPositiveAndBelow (index, ports.size()))
    {
        errorMessage = "There is no MIDI " + kind + " port " + juce::String (index) + ".";
        return nullptr;
    }

    const auto& port = ports[static_cast<size_t> (index)];

    if (port.unavailable)
    {
        errorMessage = "The MIDI " + kind + " port \"" + port.name + "\" is in use.";
        return nullptr;
    }

    return port.cable;
}
} // namespace midi
