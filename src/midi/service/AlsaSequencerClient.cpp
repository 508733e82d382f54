#include "midi/service/AlsaSequencerClient.h"

#include "midi/service/AlsaEventReader.h"

#include <cerrno>
#include <unistd.h>

namespace midi
{
namespace
{
// Sequencer ports that carry MIDI: hardware and software MIDI ports and other
// programs' ports. This leaves out the timer and announcement ports and ports
// that only take audio samples or synthesizer-specific events.
constexpr unsigned int midiPortTypes = SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION;

// A SysEx dump arrives as many events at once; the largest input pool the
// kernel grants keeps them from overflowing while the handler works.
constexpr size_t inputPoolEvents = 2000;

// Where the kernel offers the sequencer; the library's "default" opens it.
constexpr const char* sequencerDevice = "/dev/snd/seq";

juce::String portDisplayName (snd_seq_client_info_t* client, snd_seq_port_info_t* port)
{
    return juce::String::fromUTF8 (snd_seq_client_info_get_name (client)) + ":" +
           juce::String::fromUTF8 (snd_seq_port_info_get_name (port)) + " " +
           juce::String (snd_seq_port_info_get_client (port)) + ":" +
           juce::String (snd_seq_port_info_get_port (port));
}

bool isListedPort (snd_seq_port_info_t* port, unsigned int requiredCapabilities)
{
    const auto capabilities = snd_seq_port_info_get_capability (port);
    return (capabilities & requiredCapabilities) == requiredCapabilities &&
           (capabilities & SND_SEQ_PORT_CAP_NO_EXPORT) == 0 &&
           (snd_seq_port_info_get_type (port) & midiPortTypes) != 0;
}
} // namespace

std::shared_ptr<AlsaSequencerClient> AlsaSequencerClient::open (const juce::String& clientName,
                                                                juce::String& errorMessage)
{
    snd_seq_t* handle = nullptr;

    // Without the device node the library would also print its own complaint
    // to stderr, which the command-line tool's users should not see next to ours.
    const auto openResult = ::access (sequencerDevice, R_OK | W_OK) == 0
                                ? snd_seq_open (&handle, "default", SND_SEQ_OPEN_DUPLEX, 0)
                                : -errno;

    if (openResult < 0)
    {
        errorMessage = "ALSA sequencer is not available: " + juce::String (snd_strerror (openResult));
        return nullptr;
    }

    const auto clientId = snd_seq_client_id (handle);

    if (clientId < 0)
    {
        errorMessage = describeError ("Cannot identify the ALSA sequencer client", clientId);
        snd_seq_close (handle);
        return nullptr;
    }

    std::shared_ptr<AlsaSequencerClient> client (new AlsaSequencerClient (handle, clientId));

    if (const auto result = snd_seq_set_client_name (handle, clientName.toRawUTF8()); result < 0)
    {
        DBG (describeError ("Cannot name the ALSA sequencer client", result));
    }

    // Without the larger pool input still works, only long dumps may overflow.
    if (const auto result = snd_seq_set_client_pool_input (handle, inputPoolEvents); result < 0)
    {
        DBG (describeError ("Cannot enlarge the ALSA input pool", result));
    }

    return client;
}

AlsaSequencerClient::AlsaSequencerClient (snd_seq_t* h, int clientId) noexcept
    : handle (h)
    , ownClientId (clientId)
{
}

AlsaSequencerClient::~AlsaSequencerClient()
{
    eventReader.reset();
    snd_seq_close (handle);
}

std::vector<AlsaSequencerClient::PortInfo> AlsaSequencerClient::listPorts (unsigned int requiredCapabilities)
{
    std::vector<PortInfo> ports;
    snd_seq_client_info_t* clientInfo;
    snd_seq_port_info_t* portInfo;
    snd_seq_client_info_alloca (&clientInfo);
    snd_seq_port_info_alloca (&portInfo);

    const std::lock_guard<std::mutex> guard (lock);
    snd_seq_client_info_set_client (clientInfo, -1);

    // The queries end with a negative result when there is nothing more.
    while (snd_seq_query_next_client (handle, clientInfo) >= 0)
    {
        const auto clientId = snd_seq_client_info_get_client (clientInfo);

        if (clientId == SND_SEQ_CLIENT_SYSTEM || clientId == ownClientId)
            continue;

        snd_seq_port_info_set_client (portInfo, clientId);
        snd_seq_port_info_set_port (portInfo, -1);

        while (snd_seq_query_next_port (handle, portInfo) >= 0)
            if (isListedPort (portInfo, requiredCapabilities))
                ports.push_back ({portDisplayName (clientInfo, portInfo),
                                  {clientId, snd_seq_port_info_get_port (portInfo)}});
    }

    return ports;
}

int AlsaSequencerClient::createPort (const juce::String& name, unsigned int capabilities,
                                     juce::String& errorMessage)
{
    const std::lock_guard<std::mutex> guard (lock);
    const auto port = snd_seq_create_simple_port (handle, name.toRawUTF8(), capabilities, midiPortTypes);

    if (port < 0)
    {
        errorMessage = describeError ("Cannot create an ALSA sequencer port", port);
        return -1;
    }

    return port;
}

void AlsaSequencerClient::deletePort (int port)
{
    const std::lock_guard<std::mutex> guard (lock);

    if (const auto result = snd_seq_delete_simple_port (handle, port); result < 0)
    {
        DBG (describeError ("Cannot delete an ALSA sequencer port", result));
    }
}

bool AlsaSequencerClient::connectFrom (int ownPort, PortAddress source, juce::String& errorMessage)
{
    const std::lock_guard<std::mutex> guard (lock);

    if (const auto result = snd_seq_connect_from (handle, ownPort, source.client, source.port); result < 0)
    {
        errorMessage = describeError ("Cannot subscribe to the ALSA input port", result);
        return false;
    }

    return true;
}

bool AlsaSequencerClient::connectTo (int ownPort, PortAddress destination, juce::String& errorMessage)
{
    const std::lock_guard<std::mutex> guard (lock);

    if (const auto result = snd_seq_connect_to (handle, ownPort, destination.client, destination.port);
        result < 0)
    {
        errorMessage = describeError ("Cannot subscribe to the ALSA output port", result);
        return false;
    }

    return true;
}

void AlsaSequencerClient::disconnectFrom (int ownPort, PortAddress source)
{
    const std::lock_guard<std::mutex> guard (lock);

    // Fails harmlessly when the other side has already gone away.
    if (const auto result = snd_seq_disconnect_from (handle, ownPort, source.client, source.port); result < 0)
    {
        DBG (describeError ("Cannot unsubscribe from the ALSA input port", result));
    }
}

void AlsaSequencerClient::disconnectTo (int ownPort, PortAddress destination)
{
    const std::lock_guard<std::mutex> guard (lock);

    if (const auto result = snd_seq_disconnect_to (handle, ownPort, destination.client, destination.port);
        result < 0)
    {
        DBG (describeError ("Cannot unsubscribe from the ALSA output port", result));
    }
}

bool AlsaSequencerClient::sendDirect (int ownPort, snd_seq_event_t& event, juce::String& errorMessage)
{
    snd_seq_ev_set_source (&event, static_cast<unsigned char> (ownPort));
    snd_seq_ev_set_subs (&event);
    snd_seq_ev_set_direct (&event);

    const std::lock_guard<std::mutex> guard (lock);

    if (const auto result = snd_seq_event_output (handle, &event); result < 0)
    {
        errorMessage = describeError ("Cannot send to the ALSA output port", result);
        return false;
    }

    // The handle is blocking, so draining returns once everything is written
    // or with an error; a positive rest would mean the kernel took only part.
    for (;;)
    {
        const auto remaining = snd_seq_drain_output (handle);

        if (remaining < 0)
        {
            errorMessage = describeError ("Cannot send to the ALSA output port", remaining);
            snd_seq_drop_output (handle);
            return false;
        }

        if (remaining == 0)
            return true;
    }
}

AlsaEventReader& AlsaSequencerClient::getEventReader()
{
    const std::lock_guard<std::mutex> guard (lock);

    if (eventReader == nullptr)
        eventReader = std::make_unique<AlsaEventReader> (handle);

    return *eventReader;
}

juce::String AlsaSequencerClient::describeError (const char* what, int errorCode)
{
    return juce::String (what) + ": " + snd_strerror (errorCode);
}
} // namespace midi
