#pragma once

#include "data/LibraryData.h"
#include "midi/DeviceCommunicationProcess.h"

#include <vector>

namespace xTV200_midi
{
/** Writes the listed programs (0-299) of a library, in list order. */
class WriteSelectedProgramProcess final : public DeviceCommunicationProcess
{
public:
    WriteSelectedProgramProcess (CTRVMidi& port, int targetFamilyId, TransactionTimeouts timeouts,
                                 std::vector<int> programNumbers, const xTV200_data::LibraryData& source);

    int run() override;
    juce::String getTitle() const override;

private:
    const std::vector<int> programNumbers;
    const xTV200_data::LibraryData& source;
};
} // namespace xTV200_midi
