#pragma once

#include "midi/MidiCommunicationTask.h"

namespace xTV200_midi
{
/** The identity transaction: asks every device on the port who it is and
    learns the synthesizer's global MIDI channel from its reply. */
class DeviceInquiry final : public MidiCommunicationTask
{
public:
    using MidiCommunicationTask::MidiCommunicationTask;

    /** Returns a result code: 0 with the channel learnt, 3 when nothing
        answered in time, 4 when another kind of device answered. */
    int execute (int timeoutMilliseconds);

    /** The channel (0-15) of the last successful execute(); 0 before. */
    int getChannel() const noexcept { return channel; }

private:
    int channel = 0;
};
} // namespace xTV200_midi
