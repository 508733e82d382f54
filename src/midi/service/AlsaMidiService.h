#pragma once

#include "midi/service/MidiService.h"

#include <memory>

namespace midi
{
class AlsaSequencerClient;

/** MIDI through the ALSA sequencer: every other client's MIDI port that can
    be read from is an input, every one that can be written to is an output.
    Names read "<client>:<port> <client number>:<port number>".

    The service is one sequencer client, opened by the constructor. Where
    there is no sequencer (no /dev/snd/seq, as in most containers) the service
    still works: its lists are empty and opening fails with
    getUnavailableReason().
*/
class AlsaMidiService final : public MidiService
{
public:
    /** The MIDI wire rate; fast enough for the synthesizer's ports and slow
        enough for any device the kernel buffers for. */
    static constexpr int defaultBytesPerSecond = 3125;

    /** bytesPerSecond limits how fast SysEx goes out (see
        AlsaOutputConnection); 0 sends as fast as the sequencer takes it,
        which is safe only between programs. */
    explicit AlsaMidiService (const juce::String& clientName = "TolmVESK Librarian",
                              int bytesPerSecond = defaultBytesPerSecond);
    ~AlsaMidiService() override;

    juce::String getServiceName() const override { return "ALSA sequencer"; }

    /** Empty when the sequencer is open, else why it is not, for example
        "ALSA sequencer is not available: No such file or directory". */
    juce::String getUnavailableReason() const override { return unavailableReason; }

    juce::StringArray getInputPortNames() override;
    juce::StringArray getOutputPortNames() override;

    std::unique_ptr<MidiInputConnection> openInput (int index, MidiInputHandler& handler,
                                                    juce::String& errorMessage) override;

    std::unique_ptr<MidiOutputConnection> openOutput (int index, juce::String& errorMessage) override;

private:
    juce::StringArray listNames (bool isInput);

    // Declared first: the client's constructor call fills it in.
    juce::String unavailableReason;
    std::shared_ptr<AlsaSequencerClient> client;
    const int bytesPerSecond;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AlsaMidiService)
};
} // namespace midi
