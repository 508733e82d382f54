#pragma once

#include "midi/MidiCommunicationTask.h"

namespace xTV200_midi
{
/** Receives the synthesizer's 224-byte global data. */
class GlobalDataReceiver final : public MidiCommunicationTask
{
public:
    using MidiCommunicationTask::MidiCommunicationTask;

    /** Returns a result code; on 0 getGlobalData() holds the 224 bytes. */
    int execute (int timeoutMilliseconds);

    const juce::MemoryBlock& getGlobalData() const noexcept { return globalData; }

private:
    juce::MemoryBlock globalData;
};
} // namespace xTV200_midi
