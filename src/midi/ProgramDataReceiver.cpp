#include "midi/ProgramDataReceiver.h"

#include "midi/MidiCommunicationResult.h"

namespace xTV200_midi
{
int ProgramDataReceiver::execute (int programNumber, int timeoutMilliseconds)
{
    AnalyzedInformation reply;
    const auto code = exchange (
        createGenerator().createProgramDataDumpRequest (programNumber),
        {AnalyzedInformation::broken, AnalyzedInformation::programDump, AnalyzedInformation::dataLoadError},
        timeoutMilliseconds, midi::MidiCommunicationResult::nakOnReceive, reply);

    if (code == midi::MidiCommunicationResult::noError)
        program.setBytes (reply.getData().getData(), reply.getData().getSize());

    return code;
}
} // namespace xTV200_midi
