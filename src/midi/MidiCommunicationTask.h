#pragma once

#include "midi/AnalyzedInformation.h"
#include "midi/CTRVMidi.h"
#include "midi/MidiMessageQueue.h"

#include "midi/SysExGenerator.h"

#include <initializer_list>

namespace xTV200_midi
{
/** Collects every SysEx message that arrives on the port while it exists, so
    that a transaction can wait for its reply.

    A reply that arrives after its transaction gave up stays queued and may be
    taken by the next transaction of the same task.
*/
class MidiCommunicationTask : public CTRVMidiListener
{
public:
    /** Registers with port, which must outlive the task. */
    MidiCommunicationTask (CTRVMidi& port, int targetFamilyId);
    ~MidiCommunicationTask() override;

    CTRVMidi& getPort() const noexcept { return port; }
    int getTargetFamilyId() const noexcept { return targetFamilyId; }

    /** The synthesizer's global channel (0-15) that maker messages carry. */
    void setChannel (int newChannel) noexcept { channel = newChannel & 0x0f; }
    int getChannel() const noexcept { return channel; }

    /** A generator for messages on this task's channel. */
    SysExGenerator createGenerator() const { return SysExGenerator (channel, targetFamilyId); }

    /** Sends a message through the port; false when it could not be sent. */
    bool send (const juce::MemoryBlock& message);

    /** Waits up to timeoutMilliseconds for a message whose type is in
        acceptedTypes, dropping the others, and returns its classification; a
        classification of type none when the time is up.
    */
    AnalyzedInformation waitForReply (std::initializer_list<int> acceptedTypes, int timeoutMilliseconds);

    void onSysExMessage (CTRVMidi&, const CTRVMidiMessage& message) override;

protected:
    /** Sends message, waits for a dump-answering reply among acceptedTypes and
        maps the usual outcomes to result codes: nothing in time gives 3, a
        broken dump 8, a data-load error nakCode, sending nothing 3. Any other
        accepted type gives 0, with the classification in reply.
    */
    int exchange (const juce::MemoryBlock& message, std::initializer_list<int> acceptedTypes,
                  int timeoutMilliseconds, int nakCode, AnalyzedInformation& reply);

private:
    CTRVMidi& port;
    const int targetFamilyId;
    int channel = 0;
    midi::MidiMessageQueue queue;

    JUCE_DECLARE_NON_COPYABLE (MidiCommunicationTask)
};
} // namespace xTV200_midi
