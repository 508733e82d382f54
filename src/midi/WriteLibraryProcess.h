#pragma once

#include "data/LibraryData.h"
#include "midi/DeviceCommunicationProcess.h"

namespace xTV200_midi
{
/** Writes all 300 programs and the favourites of a library into the
    synthesizer. The favourites go into the synthesizer's own global data,
    received first, so that its other global settings stay as they are. */
class WriteLibraryProcess final : public DeviceCommunicationProcess
{
public:
    WriteLibraryProcess (CTRVMidi& port, int targetFamilyId, TransactionTimeouts timeouts,
                         const xTV200_data::LibraryData& source);

    int run() override;
    juce::String getTitle() const override;

private:
    int writeFavorites();

    const xTV200_data::LibraryData& source;
};
} // namespace xTV200_midi
