#pragma once

#include "data/LibraryData.h"
#include "midi/DeviceCommunicationProcess.h"

#include <vector>

namespace xTV200_midi
{
/** Receives the listed programs (0-299), in list order, each into the
    target library at its own number. */
class ReceiveSelectedProgramProcess final : public DeviceCommunicationProcess
{
public:
    ReceiveSelectedProgramProcess (CTRVMidi& port, int targetFamilyId, TransactionTimeouts timeouts,
                                   std::vector<int> programNumbers, xTV200_data::LibraryData& target);

    int run() override;
    juce::String getTitle() const override;

private:
    const std::vector<int> programNumbers;
    xTV200_data::LibraryData& target;
};
} // namespace xTV200_midi
