#pragma once

#include "midi/service/MidiService.h"

namespace midi
{
/** MIDI over a pair of byte streams: files, FIFOs or character devices such
    as a raw-MIDI device or a serial adapter. There is exactly one input port,
    named after the input path, and one output port, named after the output
    path; each may be opened any number of times.

    Two programs whose services use the same two FIFOs crossed can start in
    either order (see ByteStreamDescriptor for how opening avoids blocking).
*/
class ByteStreamMidiService final : public MidiService
{
public:
    ByteStreamMidiService (juce::String inputPath, juce::String outputPath);

    juce::String getServiceName() const override { return "byte stream"; }

    juce::StringArray getInputPortNames() override { return {inputPath}; }
    juce::StringArray getOutputPortNames() override { return {outputPath}; }

    std::unique_ptr<MidiInputConnection> openInput (int index, MidiInputHandler& handler,
                                                    juce::String& errorMessage) override;

    std::unique_ptr<MidiOutputConnection> openOutput (int index, juce::String& errorMessage) override;

private:
    const juce::String inputPath, outputPath;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ByteStreamMidiService)
};
} // namespace midi
