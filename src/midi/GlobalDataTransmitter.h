#pragma once

#include "midi/MidiCommunicationTask.h"

namespace xTV200_midi
{
/** Writes the synthesizer's 224-byte global data. */
class GlobalDataTransmitter final : public MidiCommunicationTask
{
public:
    using MidiCommunicationTask::MidiCommunicationTask;

    /** Returns a result code; a block of another size than 224 is not sent. */
    int execute (const juce::MemoryBlock& globalData, int timeoutMilliseconds);
};
} // namespace xTV200_midi
