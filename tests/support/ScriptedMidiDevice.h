#pragma once

#include "midi/MidiInputReassembler.h"
#include "midi/service/MidiService.h"

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace test
{
/** A device on the far end of a port pair that answers each SysEx message it
    receives with whatever its script returns: a stand-in for a synthesizer
    whose every reply a test decides. Replies go out on the device's input
    thread, as a real device's would come back after the request.
*/
class ScriptedMidiDevice final : private midi::MidiInputHandler
{
public:
    using Script = std::function<std::vector<juce::MemoryBlock> (const juce::MemoryBlock& request)>;

    /** Opens input 0 and output 0 of farEnd. */
    ScriptedMidiDevice (std::shared_ptr<midi::MidiService> farEnd, Script script);
    ~ScriptedMidiDevice() override;

    /** Every SysEx message received so far, in order. */
    std::vector<juce::MemoryBlock> getReceived() const;

    static juce::MemoryBlock bytes (std::initializer_list<int> values);

private:
    void handleIncomingMidiBytes (const juce::uint8* data, int numBytes) override;
    void answer (const juce::uint8* data, int numBytes);

    std::shared_ptr<midi::MidiService> service;
    Script script;
    midi::MidiInputReassembler reassembler;
    std::unique_ptr<midi::MidiOutputConnection> output;
    std::unique_ptr<midi::MidiInputConnection> input;

    mutable std::mutex receivedLock;
    std::vector<juce::MemoryBlock> received;
};
} // namespace test
