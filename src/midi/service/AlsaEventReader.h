#pragma once

#include "midi/service/MidiInputHandler.h"
#include "midi/service/WakeUpEvent.h"

#include <alsa/asoundlib.h>

#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace midi
{
/** The thread that reads a sequencer client's incoming events and hands
    each one, as raw MIDI bytes, to the handler of the port it arrived at.

    All input ports of a client share this thread, because the sequencer
    queues every incoming event in one place per client. A SysEx message
    comes in pieces (the sequencer cuts long ones into chunks); each piece is
    handed on as one block, unchanged. The thread sleeps in poll() on the
    sequencer's descriptors and a wake-up event.
*/
class AlsaEventReader final
{
public:
    /** Takes the sequencer's descriptors; the caller must hold the client's lock. */
    explicit AlsaEventReader (snd_seq_t* handle);

    /** Stops and joins the thread. */
    ~AlsaEventReader();

    /** Starts delivering events that arrive at the port to handler. Returns
        false and sets errorMessage when the thread cannot run. */
    bool addPort (int port, MidiInputHandler& handler, juce::String& errorMessage);

    /** Once this returns, the port's handler is never called again. Must not
        be called from inside a handler. */
    void removePort (int port);

private:
    struct Registration
    {
        MidiInputHandler* handler = nullptr;
        snd_midi_event_t* decoder = nullptr;
    };

    bool startThreadLocked (juce::String& errorMessage);
    void run();
    void readPendingEvents();
    void deliver (const snd_seq_event_t& event);

    snd_seq_t* const handle;
    std::vector<pollfd> sequencerDescriptors;
    WakeUpEvent stopEvent;

    std::mutex registrationLock;
    std::map<int, Registration> registrations;
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AlsaEventReader)
};
} // namespace midi
