#include "midi/service/AlsaOutputConnection.h"

#include <algorithm>
#include <thread>

namespace midi
{
namespace
{
// What may go out at once after a pause: well within the 4 KB that the
// kernel's MIDI device buffers usually hold.
constexpr size_t burstBytes = 1024;
} // namespace

std::unique_ptr<AlsaOutputConnection>
AlsaOutputConnection::open (std::shared_ptr<AlsaSequencerClient> client,
                            const AlsaSequencerClient::PortInfo& destination, int bytesPerSecond,
                            juce::String& errorMessage)
{
    const auto ownPort = client->createPort (
        "output to " + destination.name, SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ, errorMessage);

    if (ownPort < 0)
        return nullptr;

    std::unique_ptr<AlsaOutputConnection> connection (
        new AlsaOutputConnection (client, ownPort, destination.address, bytesPerSecond));

    // The encoder's buffer size is the size of the SysEx chunks it cuts.
    if (const auto result = snd_midi_event_new (sysExChunkSize, &connection->encoder); result < 0)
    {
        connection->encoder = nullptr;
        errorMessage = AlsaSequencerClient::describeError ("Cannot create an ALSA event encoder", result);
        return nullptr;
    }

    connection->subscribed = client->connectTo (ownPort, destination.address, errorMessage);

    if (! connection->subscribed)
        return nullptr;

    return connection;
}

AlsaOutputConnection::AlsaOutputConnection (std::shared_ptr<AlsaSequencerClient> c, int port,
                                            AlsaSequencerClient::PortAddress destinationAddress,
                                            int rate) noexcept
    : client (std::move (c))
    , ownPort (port)
    , destination (destinationAddress)
    , bytesPerSecond (rate)
    , nextChunkTime (Clock::now())
{
}

AlsaOutputConnection::~AlsaOutputConnection()
{
    if (subscribed)
        client->disconnectTo (ownPort, destination);

    client->deletePort (ownPort);

    if (encoder != nullptr)
        snd_midi_event_free (encoder);
}

bool AlsaOutputConnection::send (const juce::uint8* bytes, int numBytes)
{
    if (numBytes < 0 || (numBytes > 0 && bytes == nullptr))
        return false;

    const std::lock_guard<std::mutex> guard (sendLock);
    long remaining = numBytes;

    while (remaining > 0)
    {
        snd_seq_event_t event;
        snd_seq_ev_clear (&event);

        // Consumes bytes up to the end of one event, or all of them when the
        // event is still incomplete; the encoder keeps the state in between,
        // which also lets a SysEx message be sent in pieces.
        const auto consumed = snd_midi_event_encode (encoder, bytes, remaining, &event);

        if (consumed <= 0)
        {
            lastError = AlsaSequencerClient::describeError (
                "Cannot encode MIDI bytes for ALSA", static_cast<int> (consumed < 0 ? consumed : -EINVAL));
            snd_midi_event_reset_encode (encoder);
            return false;
        }

        bytes += consumed;
        remaining -= consumed;

        if (event.type != SND_SEQ_EVENT_NONE && ! sendEvent (event))
            return false;
    }

    return true;
}

bool AlsaOutputConnection::sendEvent (snd_seq_event_t& event)
{
    if (event.type == SND_SEQ_EVENT_SYSEX)
        waitForTurn (event.data.ext.len);

    // The event's SysEx bytes point into the encoder's buffer: they must be
    // handed to the sequencer before the next bytes are encoded.
    return client->sendDirect (ownPort, event, lastError);
}

void AlsaOutputConnection::waitForTurn (size_t numBytes)
{
    if (bytesPerSecond <= 0)
        return;

    const auto durationOf = [this] (size_t count)
    {
        return std::chrono::duration_cast<Clock::duration> (
            std::chrono::duration<double> (static_cast<double> (count) / bytesPerSecond));
    };

    const auto now = Clock::now();
    nextChunkTime = std::max (nextChunkTime, now - durationOf (burstBytes));

    if (nextChunkTime > now)
        std::this_thread::sleep_until (nextChunkTime);

    nextChunkTime += durationOf (numBytes);
}

juce::String AlsaOutputConnection::getLastError() const
{
    const std::lock_guard<std::mutex> guard (sendLock);
    return lastError;
}
} // namespace midi
