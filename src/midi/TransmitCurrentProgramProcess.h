#pragma once

#include "data/ProgramData.h"
#include "midi/DeviceCommunicationProcess.h"

namespace xTV200_midi
{
/** Sends one program to the synthesizer's current program, to hear it. */
class TransmitCurrentProgramProcess final : public DeviceCommunicationProcess
{
public:
    TransmitCurrentProgramProcess (CTRVMidi& port, int targetFamilyId, TransactionTimeouts timeouts,
                                   xTV200_data::ProgramData program);

    int run() override;
    juce::String getTitle() const override;
    bool canCancel() const override { return false; }

private:
    const xTV200_data::ProgramData program;
};
} // namespace xTV200_midi
