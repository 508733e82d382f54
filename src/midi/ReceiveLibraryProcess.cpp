#include "midi/ReceiveLibraryProcess.h"

#include "app/LocalizedText.h"
#include "midi/GlobalDataFavorites.h"
#include "midi/GlobalDataReceiver.h"
#include "midi/MidiCommunicationResult.h"
#include "midi/ProgramDataReceiver.h"

namespace xTV200_midi
{
using Result = midi::MidiCommunicationResult;

ReceiveLibraryProcess::ReceiveLibraryProcess (CTRVMidi& portToUse, int familyId,
                                              TransactionTimeouts timeoutsToUse,
                                              xTV200_data::LibraryData& libraryToFill)
    : DeviceCommunicationProcess (portToUse, familyId, timeoutsToUse)
    , target (libraryToFill)
{
}

juce::String ReceiveLibraryProcess::getTitle() const
{
    return getLocalizedText ("ConnectionReceiveLibraryTitle");
}

int ReceiveLibraryProcess::run()
{
    if (const auto code = begin ("CommunicationProcessReceiveLibrary"); code != Result::noError)
        return code;

    ProgramDataReceiver receiver (getPort(), getTargetFamilyId());
    receiver.setChannel (getChannel());

    for (int i = 0; i < SysExGenerator::numPrograms && ! isCancelled(); ++i)
    {
        if (const auto code = receiver.execute (i, getTimeouts().receiveMilliseconds);
            code != Result::noError)
            return finish (code);

        target.getProgram (i).copyFrom (receiver.getProgram());
        setProgress (static_cast<float> (i) / 301.0f);
    }

    if (isCancelled())
        return cancel();

    GlobalDataReceiver globalReceiver (getPort(), getTargetFamilyId());
    globalReceiver.setChannel (getChannel());

    if (const auto code = globalReceiver.execute (getTimeouts().receiveMilliseconds); code != Result::noError)
        return finish (code);

    GlobalDataFavorites::read (globalReceiver.getGlobalData(), target.getFavorites());
    setProgress (1.0f);
    return Result::noError;
}
} // namespace xTV200_midi
