#pragma once

#include "midi/service/AlsaSequencerClient.h"
#include "midi/service/MidiOutputConnection.h"

#include <chrono>

namespace midi
{
/** A port of our own, subscribed to another client's input port, that sends
    raw MIDI bytes as sequencer events.

    Long SysEx messages go out in chunks of sysExChunkSize bytes. Sequencer
    events sent directly are not flow-controlled: where the receiver is a
    hardware port, the kernel drops whatever does not fit in the device's
    buffer. So when bytesPerSecond is above 0, chunks are spaced so that the
    bytes do not go out faster than that on average (about a kilobyte after a
    pause goes at once: the device's buffer takes it).
*/
class AlsaOutputConnection final : public MidiOutputConnection
{
public:
    static constexpr int sysExChunkSize = 256;

    /** Returns nullptr and sets errorMessage when any step fails; nothing is
        left behind then. */
    static std::unique_ptr<AlsaOutputConnection> open (std::shared_ptr<AlsaSequencerClient> client,
                                                       const AlsaSequencerClient::PortInfo& destination,
                                                       int bytesPerSecond, juce::String& errorMessage);

    ~AlsaOutputConnection() override;

    bool send (const juce::uint8* bytes, int numBytes) override;

    /** Why the last send() failed. */
    juce::String getLastError() const;

private:
    using Clock = std::chrono::steady_clock;

    AlsaOutputConnection (std::shared_ptr<AlsaSequencerClient> client, int ownPort,
                          AlsaSequencerClient::PortAddress destination, int bytesPerSecond) noexcept;

    bool sendEvent (snd_seq_event_t& event);
    void waitForTurn (size_t numBytes);

    const std::shared_ptr<AlsaSequencerClient> client;
    const int ownPort;
    const AlsaSequencerClient::PortAddress destination;
    const int bytesPerSecond;
    snd_midi_event_t* encoder = nullptr;
    bool subscribed = false;

    mutable std::mutex sendLock;
    Clock::time_point nextChunkTime;
    juce::String lastError;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AlsaOutputConnection)
};
} // namespace midi
