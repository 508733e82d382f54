#include "midi/WriteLibraryProcess.h"

#include "app/LocalizedText.h"
#include "midi/GlobalDataFavorites.h"
#include "midi/GlobalDataReceiver.h"
#include "midi/GlobalDataTransmitter.h"
#include "midi/MidiCommunicationResult.h"
#include "midi/ProgramDataTransmitter.h"

namespace xTV200_midi
{
using Result = midi::MidiCommunicationResult;

WriteLibraryProcess::WriteLibraryProcess (CTRVMidi& portToUse, int familyId,
                                          TransactionTimeouts timeoutsToUse,
                                          const xTV200_data::LibraryData& libraryToSend)
    : DeviceCommunicationProcess (portToUse, familyId, timeoutsToUse)
    , source (libraryToSend)
{
}

juce::String WriteLibraryProcess::getTitle() const
{
    return getLocalizedText ("ConnectionWriteLibraryTitle");
}

int WriteLibraryProcess::run()
{
    if (const auto code = begin ("CommunicationProcessWriteLibrary"); code != Result::noError)
        return code;

    ProgramDataTransmitter transmitter (getPort(), getTargetFamilyId());
    transmitter.setChannel (getChannel());

    for (int i = 0; i < SysExGenerator::numPrograms && ! isCancelled(); ++i)
    {
        const auto code = transmitter.execute (i, source.getProgram (i), getTimeouts().writeMilliseconds);

        if (code != Result::noError)
            return finish (code);

        setProgress (static_cast<float> (i) / 300.0f);
    }

    if (isCancelled())
        return cancel();

    return writeFavorites();
}

int WriteLibraryProcess::writeFavorites()
{
    GlobalDataReceiver receiver (getPort(), getTargetFamilyId());
    receiver.setChannel (getChannel());

    if (const auto code = receiver.execute (getTimeouts().receiveMilliseconds); code != Result::noError)
        return finish (code);

    if (isCancelled())
        return cancel();

    auto globalData = receiver.getGlobalData();
    GlobalDataFavorites::write (globalData, source.getFavorites());

    GlobalDataTransmitter transmitter (getPort(), getTargetFamilyId());
    transmitter.setChannel (getChannel());

    if (const auto code = transmitter.execute (globalData, getTimeouts().writeMilliseconds);
        code != Result::noError)
        return finish (code);

    setProgress (1.0f);
    return Result::noError;
}
} // namespace xTV200_midi
