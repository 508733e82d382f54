#pragma once

#include "data/ProgramData.h"
#include "midi/MidiCommunicationTask.h"

namespace xTV200_midi
{
/** Sends a program to the synthesizer's current program (its edit buffer),
    so that it plays it without storing it. */
class CurrentProgramTransmitter final : public MidiCommunicationTask
{
public:
    using MidiCommunicationTask::MidiCommunicationTask;

    int execute (const xTV200_data::ProgramData& program, int timeoutMilliseconds);
};
} // namespace xTV200_midi
