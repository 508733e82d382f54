#include "midi/TransmitCurrentProgramProcess.h"

#include "app/LocalizedText.h"
#include "midi/CurrentProgramTransmitter.h"
#include "midi/MidiCommunicationResult.h"

namespace xTV200_midi
{
using Result = midi::MidiCommunicationResult;

TransmitCurrentProgramProcess::TransmitCurrentProgramProcess (CTRVMidi& portToUse, int familyId,
                                                              TransactionTimeouts timeoutsToUse,
                                                              xTV200_data::ProgramData programToSend)
    : DeviceCommunicationProcess (portToUse, familyId, timeoutsToUse)
    , program (std::move (programToSend))
{
}

juce::String TransmitCurrentProgramProcess::getTitle() const
{
    return getLocalizedText ("ConnectionTransmitCurrentProgramTitle");
}

int TransmitCurrentProgramProcess::run()
{
    if (const auto code = begin ("CommunicationProcessTransmitCurrentProgram"); code != Result::noError)
        return code;

    CurrentProgramTransmitter transmitter (getPort(), getTargetFamilyId());
    transmitter.setChannel (getChannel());
    return finish (transmitter.execute (program, getTimeouts().currentProgramMilliseconds));
}
} // namespace xTV200_midi
