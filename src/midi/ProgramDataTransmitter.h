#pragma once

#include "data/ProgramData.h"
#include "midi/MidiCommunicationTask.h"

namespace xTV200_midi
{
/** Writes one program into the synthesizer's memory. */
class ProgramDataTransmitter final : public MidiCommunicationTask
{
public:
    using MidiCommunicationTask::MidiCommunicationTask;

    /** Sends program as program programNumber (0-299) and returns a result code. */
    int execute (int programNumber, const xTV200_data::ProgramData& program, int timeoutMilliseconds);
};
} // namespace xTV200_midi
