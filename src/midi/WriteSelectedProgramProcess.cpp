#include "midi/WriteSelectedProgramProcess.h"

#include "app/LocalizedText.h"
#include "midi/MidiCommunicationResult.h"
#include "midi/ProgramDataTransmitter.h"

namespace xTV200_midi
{
using Result = midi::MidiCommunicationResult;

WriteSelectedProgramProcess::WriteSelectedProgramProcess (CTRVMidi& portToUse, int familyId,
                                                          TransactionTimeouts timeoutsToUse,
                                                          std::vector<int> numbers,
                                                          const xTV200_data::LibraryData& libraryToSend)
    : DeviceCommunicationProcess (portToUse, familyId, timeoutsToUse)
    , programNumbers (std::move (numbers))
    , source (libraryToSend)
{
}

juce::String WriteSelectedProgramProcess::getTitle() const
{
    return getLocalizedText ("ConnectionWriteSelectedProgramTitle");
}

int WriteSelectedProgramProcess::run()
{
    if (const auto code = begin ("CommunicationProcessWriteSelectedProgram"); code != Result::noError)
        return code;

    ProgramDataTransmitter transmitter (getPort(), getTargetFamilyId());
    transmitter.setChannel (getChannel());
    const auto count = programNumbers.size();

    for (size_t k = 0; k < count && ! isCancelled(); ++k)
    {
        const auto number = programNumbers[k];
        const auto code =
            transmitter.execute (number, source.getProgram (number), getTimeouts().writeMilliseconds);

        if (code != Result::noError)
            return finish (code);

        setProgress (static_cast<float> (k) / static_cast<float> (count));
    }

    return isCancelled() ? cancel() : Result::noError;
}
} // namespace xTV200_midi
