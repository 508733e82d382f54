#include "midi/ReceiveSelectedProgramProcess.h"

#include "app/LocalizedText.h"
#include "midi/MidiCommunicationResult.h"
#include "midi/ProgramDataReceiver.h"

namespace xTV200_midi
{
using Result = midi::MidiCommunicationResult;

ReceiveSelectedProgramProcess::ReceiveSelectedProgramProcess (CTRVMidi& portToUse, int familyId,
                                                              TransactionTimeouts timeoutsToUse,
                                                              std::vector<int> numbers,
                                                              xTV200_data::LibraryData& libraryToFill)
    : DeviceCommunicationProcess (portToUse, familyId, timeoutsToUse)
    , programNumbers (std::move (numbers))
    , target (libraryToFill)
{
}

juce::String ReceiveSelectedProgramProcess::getTitle() const
{
    return getLocalizedText ("ConnectionReceiveSelectedProgramTitle");
}

int ReceiveSelectedProgramProcess::run()
{
    if (const auto code = begin ("CommunicationProcessReceiveSelectedProgram"); code != Result::noError)
        return code;

    ProgramDataReceiver receiver (getPort(), getTargetFamilyId());
    receiver.setChannel (getChannel());
    const auto count = programNumbers.size();

    for (size_t k = 0; k < count && ! isCancelled(); ++k)
    {
        const auto number = programNumbers[k];

        if (const auto code = receiver.execute (number, getTimeouts().receiveMilliseconds);
            code != Result::noError)
            return finish (code);

        target.getProgram (number).copyFrom (receiver.getProgram());
        setProgress (static_cast<float> (k) / static_cast<float> (count));
    }

    return isCancelled() ? cancel() : Result::noError;
}
} // namespace xTV200_midi
