#pragma once

#include "midi/service/MidiService.h"

#include <memory>
#include <mutex>
#include <vector>

namespace midi
{
class VirtualMidiCable;

/** MIDI ports that live inside this process, for tests, the benchmark and the
    built-in emulated synthesizer.

    Ports come in pairs, each pair joined by two cables to a far end: another
    service with one input and one output. What this service sends on a pair's
    output arrives at the far end's input and the other way round. Each open
    input delivers on its own thread, one call per block sent, in order; bytes
    sent while the receiving input is not open are dropped.

    Every member may be called from any thread.
*/
class VirtualMidiService final : public MidiService
{
public:
    explicit VirtualMidiService (juce::String nameOfService = "Virtual MIDI");
    ~VirtualMidiService() override;

    /** Adds an input called inputName and an output called outputName and
        returns their far end. The far end's input receives what is sent on
        outputName and is called outputName too; its output delivers to
        inputName and is called inputName. The far end may outlive this service.
    */
    std::shared_ptr<MidiService> addPortPair (const juce::String& inputName, const juce::String& outputName);

    /** Makes opening the port fail as if another program held it; ports that
        are open stay open. An index out of range does nothing.
    */
    void setPortUnavailable (bool isInput, int index, bool unavailable);

    /** The bytes sent so far on output port index (whether anybody listened or
        not); 0 for an index out of range.
    */
    juce::int64 getNumBytesSent (int outputIndex) const;

    juce::String getServiceName() const override { return serviceName; }
    juce::StringArray getInputPortNames() override;
    juce::StringArray getOutputPortNames() override;

    std::unique_ptr<MidiInputConnection> openInput (int index, MidiInputHandler& handler,
                                                    juce::String& errorMessage) override;
    std::unique_ptr<MidiOutputConnection> openOutput (int index, juce::String& errorMessage) override;

private:
    struct Port
    {
        juce::String name;
        std::shared_ptr<VirtualMidiCable> cable;
        bool unavailable = false;
    };

    void addPorts (Port input, Port output);
    std::shared_ptr<VirtualMidiCable> findCableToOpen (bool isInput, int index, juce::String& errorMessage);
    static juce::StringArray getNames (const std::vector<Port>& ports);

    const juce::String serviceName;
    mutable std::mutex lock;
    std::vector<Port> inputs;
    std::vector<Port> outputs;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualMidiService)
};
} // namespace midi
