#include "midi/service/AlsaMidiService.h"

#include "midi/service/AlsaInputConnection.h"
#include "midi/service/AlsaOutputConnection.h"
#include "midi/service/AlsaSequencerClient.h"

#include <optional>

namespace midi
{
namespace
{
unsigned int capabilitiesFor (bool isInput) noexcept
{
    // We read from ports that take reading subscribers and write to ports
    // that take writing ones.
    return isInput ? SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ
                   : SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
}

std::optional<AlsaSequencerClient::PortInfo> findPort (AlsaSequencerClient* client,
                                                       const juce::String& unavailableReason, bool isInput,
                                                       int index, juce::String& errorMessage)
{
    if (client == nullptr)
    {
        errorMessage = unavailableReason;
        return std::nullopt;
    }

    const auto ports = client->listPorts (capabilitiesFor (isInput));

    if (! juce::isPositiveAndBelow (index, ports.size()))
    {
        errorMessage = juce::String ("There is no ALSA MIDI ") + (isInput ? "input" : "output") + " port " +
                       juce::String (index) + ".";
        return std::nullopt;
    }

    return ports[static_cast<size_t> (index)];
}
} // namespace

AlsaMidiService::AlsaMidiService (const juce::String& clientName, int rate)
    : client (AlsaSequencerClient::open (clientName, unavailableReason))
    , bytesPerSecond (rate)
{
}

AlsaMidiService::~AlsaMidiService() = default;

juce::StringArray AlsaMidiService::getInputPortNames()
{
    return listNames (true);
}

juce::StringArray AlsaMidiService::getOutputPortNames()
{
    return listNames (false);
}

juce::StringArray AlsaMidiService::listNames (bool isInput)
{
    juce::StringArray names;

    if (client != nullptr)
        for (const auto& port : client->listPorts (capabilitiesFor (isInput)))
            names.add (port.name);

    return names;
}

std::unique_ptr<MidiInputConnection> AlsaMidiService::openInput (int index, MidiInputHandler& handler,
                                                                 juce::String& errorMessage)
{
    if (const auto port = findPort (client.get(), unavailableReason, true, index, errorMessage))
        return AlsaInputConnection::open (client, *port, handler, errorMessage);

    return nullptr;
}

std::unique_ptr<MidiOutputConnection> AlsaMidiService::openOutput (int index, juce::String& errorMessage)
{
    if (const auto port = findPort (client.get(), unavailableReason, false, index, errorMessage))
        return AlsaOutputConnection::open (client, *port, bytesPerSecond, errorMessage);

    return nullptr;
}
} // namespace midi
