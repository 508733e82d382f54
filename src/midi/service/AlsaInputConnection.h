#pragma once

#include "midi/service/AlsaSequencerClient.h"
#include "midi/service/MidiInputConnection.h"
#include "midi/service/MidiInputHandler.h"

namespace midi
{
/** A port of our own, subscribed to another client's output port, whose
    events the client's AlsaEventReader delivers to the handler. */
class AlsaInputConnection final : public MidiInputConnection
{
public:
    /** Returns nullptr and sets errorMessage when any step fails; nothing is
        left behind then. */
    static std::unique_ptr<AlsaInputConnection> open (std::shared_ptr<AlsaSequencerClient> client,
                                                      const AlsaSequencerClient::PortInfo& source,
                                                      MidiInputHandler& handler, juce::String& errorMessage);

    /** Stops delivery first, so the handler is not called once this returns,
        then unsubscribes and deletes the port. */
    ~AlsaInputConnection() override;

private:
    AlsaInputConnection (std::shared_ptr<AlsaSequencerClient> client, int ownPort,
                         AlsaSequencerClient::PortAddress source) noexcept;

    const std::shared_ptr<AlsaSequencerClient> client;
    const int ownPort;
    const AlsaSequencerClient::PortAddress source;
    bool registered = false, subscribed = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AlsaInputConnection)
};
} // namespace midi
