#include "midi/GlobalDataReceiver.h"

#include "midi/MidiCommunicationResult.h"

namespace xTV200_midi
{
int GlobalDataReceiver::execute (int timeoutMilliseconds)
{
    AnalyzedInformation reply;
    const auto code = exchange (
        createGenerator().createGlobalDataDumpRequest(),
        {AnalyzedInformation::broken, AnalyzedInformation::globalDump, AnalyzedInformation::dataLoadError},
        timeoutMilliseconds, midi::MidiCommunicationResult::nakOnReceive, reply);

    if (code == midi::MidiCommunicationResult::noError)
        globalData = reply.getData();

    return code;
}
} // namespace xTV200_midi
