#pragma once

#include "data/ProgramData.h"
#include "midi/MidiCommunicationTask.h"

namespace xTV200_midi
{
/** Receives one program from the synthesizer's memory. */
class ProgramDataReceiver final : public MidiCommunicationTask
{
public:
    using MidiCommunicationTask::MidiCommunicationTask;

    /** Requests program programNumber (0-299) and returns a result code; on 0
        the program holds the received bytes. The number in the reply is not
        compared with the one requested. */
    int execute (int programNumber, int timeoutMilliseconds);

    const xTV200_data::ProgramData& getProgram() const noexcept { return program; }

private:
    xTV200_data::ProgramData program;
};
} // namespace xTV200_midi
