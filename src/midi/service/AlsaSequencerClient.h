#pragma once

#include <juce_core/juce_core.h>

#include <alsa/asoundlib.h>

#include <memory>
#include <mutex>
#include <vector>

namespace midi
{
class AlsaEventReader;

/** One client of the ALSA sequencer, shared by a service and the connections
    it opened (they keep it alive with shared ownership).

    Every call that goes through the handle takes the client's lock, except
    reading incoming events: that belongs to the AlsaEventReader's thread
    alone and touches only the handle's input buffer, so a send that waits for
    the kernel never holds up delivery (which matters when we send to
    ourselves).
*/
class AlsaSequencerClient final
{
public:
    struct PortAddress
    {
        int client = 0;
        int port = 0;
    };

    struct PortInfo
    {
        juce::String name;
        PortAddress address;
    };

    /** Returns nullptr and sets errorMessage when the sequencer cannot be opened. */
    static std::shared_ptr<AlsaSequencerClient> open (const juce::String& clientName,
                                                      juce::String& errorMessage);

    ~AlsaSequencerClient();

    /** The other clients' MIDI ports that have all of the capability bits,
        in the sequencer's order. */
    std::vector<PortInfo> listPorts (unsigned int requiredCapabilities);

    /** Returns the new port's number, or -1 and sets errorMessage. */
    int createPort (const juce::String& name, unsigned int capabilities, juce::String& errorMessage);
    void deletePort (int port);

    bool connectFrom (int ownPort, PortAddress source, juce::String& errorMessage);
    bool connectTo (int ownPort, PortAddress destination, juce::String& errorMessage);
    void disconnectFrom (int ownPort, PortAddress source);
    void disconnectTo (int ownPort, PortAddress destination);

    /** Sends one event from ownPort to its subscribers at once and waits until
        the kernel has taken it. */
    bool sendDirect (int ownPort, snd_seq_event_t& event, juce::String& errorMessage);

    /** The thread that delivers incoming events, started on first use. */
    AlsaEventReader& getEventReader();

    static juce::String describeError (const char* what, int errorCode);

private:
    AlsaSequencerClient (snd_seq_t* handle, int clientId) noexcept;

    snd_seq_t* const handle;
    const int ownClientId;
    std::mutex lock;
    std::unique_ptr<AlsaEventReader> eventReader;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AlsaSequencerClient)
};
} // namespace midi
