#include "midi/service/AlsaInputConnection.h"

#include "midi/service/AlsaEventReader.h"

namespace midi
{
std::unique_ptr<AlsaInputConnection> AlsaInputConnection::open (std::shared_ptr<AlsaSequencerClient> client,
                                                                const AlsaSequencerClient::PortInfo& source,
                                                                MidiInputHandler& handler,
                                                                juce::String& errorMessage)
{
    const auto ownPort = client->createPort (
        "input from " + source.name, SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE, errorMessage);

    if (ownPort < 0)
        return nullptr;

    // From here on the destructor undoes whatever has been done.
    std::unique_ptr<AlsaInputConnection> connection (
        new AlsaInputConnection (client, ownPort, source.address));

    // Deliveries start before the subscription, so that nothing sent right
    // after the subscription is lost.
    connection->registered = client->getEventReader().addPort (ownPort, handler, errorMessage);

    if (! connection->registered)
        return nullptr;

    connection->subscribed = client->connectFrom (ownPort, source.address, errorMessage);

    if (! connection->subscribed)
        return nullptr;

    return connection;
}

AlsaInputConnection::AlsaInputConnection (std::shared_ptr<AlsaSequencerClient> c, int port,
                                          AlsaSequencerClient::PortAddress sourceAddress) noexcept
    : client (std::move (c))
    , ownPort (port)
    , source (sourceAddress)
{
}

AlsaInputConnection::~AlsaInputConnection()
{
    if (registered)
        client->getEventReader().removePort (ownPort);

    if (subscribed)
        client->disconnectFrom (ownPort, source);

    client->deletePort (ownPort);
}
} // namespace midi
