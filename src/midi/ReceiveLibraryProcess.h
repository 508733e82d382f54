#pragma once

#include "data/LibraryData.h"
#include "midi/DeviceCommunicationProcess.h"

namespace xTV200_midi
{
/** Receives all 300 programs and the favourites into a library. Programs
    received before a failure stay in the target; the caller applies the
    target only on success. */
class ReceiveLibraryProcess final : public DeviceCommunicationProcess
{
public:
    ReceiveLibraryProcess (CTRVMidi& port, int targetFamilyId, TransactionTimeouts timeouts,
                           xTV200_data::LibraryData& target);

    int run() override;
    juce::String getTitle() const override;

private:
    xTV200_data::LibraryData& target;
};
} // namespace xTV200_midi
