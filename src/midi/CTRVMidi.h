#pragma once

#include "midi/CTRVMidiListener.h"
#include "midi/CTRVMidiMessage.h"
#include "midi/MidiInputReassembler.h"
#include "midi/service/MidiService.h"

#include <memory>
#include <vector>

/** The one input port and one output port that all communication with the
    synthesizer goes through.

    The input's bytes are reassembled into complete messages and handed to the
    listeners, in registration order, on the input port's own thread. Input and
    output are opened and closed independently, many times during the object's
    life. Each failing step leaves a diagnostic text for the log; the callers
    only see the result.

    Open, close and the listener list may be used from any thread, but never
    from inside a listener call.
*/
class CTRVMidi final : private midi::MidiInputHandler
{
public:
    /** Without a service there are no ports until setService(). */
    explicit CTRVMidi (std::shared_ptr<midi::MidiService> service = {});
    ~CTRVMidi() override;

    /** Closes both ports and uses another service from now on. */
    void setService (std::shared_ptr<midi::MidiService> newService);

    juce::StringArray getInputDeviceNames() const;
    juce::StringArray getOutputDeviceNames() const;

    bool openInput (int deviceIndex);
    bool openOutput (int deviceIndex);

    /** Open the first port whose name equals name exactly (case-sensitive). */
    bool openInputByName (const juce::String& name);
    bool openOutputByName (const juce::String& name);

    void closeInput();
    void closeOutput();

    bool isInputOpen() const;
    bool isOutputOpen() const;
    int getInputDeviceId() const;
    int getOutputDeviceId() const;

    /** Sends a message through the open output; false when no output is open,
        the message is empty or a meta event, or the system refused the bytes.
    */
    bool sendMessage (const CTRVMidiMessage& message);
    bool sendSysEx (int length, const juce::uint8* bytes);

    void addListener (CTRVMidiListener* listener);
    void removeListener (CTRVMidiListener* listener);
    void removeAllListeners();

    /** The text of the last failing step, such as "Not found MIDI IN device.". */
    juce::String getLastDiagnostic() const;

private:
    std::shared_ptr<midi::MidiService> getServiceToUse() const;
    void handleIncomingMidiBytes (const juce::uint8* bytes, int numBytes) override;
    void deliver (const juce::uint8* bytes, int numBytes, bool isSysEx);
    bool fail (const juce::String& diagnostic, const juce::String& detail = {});

    std::shared_ptr<midi::MidiService> service;

    mutable juce::CriticalSection portLock;
    std::unique_ptr<midi::MidiInputConnection> input;
    std::unique_ptr<midi::MidiOutputConnection> output;
    int inputDeviceId = -1;
    int outputDeviceId = -1;
    juce::String lastDiagnostic;

    // Only touched on the input thread, or while no input is open.
    midi::MidiInputReassembler reassembler;

    juce::CriticalSection listenerLock;
    std::vector<CTRVMidiListener*> listeners;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CTRVMidi)
};
