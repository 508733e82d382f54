#include "midi/CurrentProgramTransmitter.h"

#include "midi/MidiCommunicationResult.h"

namespace xTV200_midi
{
int CurrentProgramTransmitter::execute (const xTV200_data::ProgramData& program, int timeoutMilliseconds)
{
    const juce::MemoryBlock bytes (program.getBytes(), xTV200_data::ProgramData::numBytes);
    AnalyzedInformation reply;
    return exchange (createGenerator().createCurrentProgramDataDump (bytes),
                     {AnalyzedInformation::broken, AnalyzedInformation::dataLoadCompleted,
                      AnalyzedInformation::dataLoadError},
                     timeoutMilliseconds, midi::MidiCommunicationResult::nakOnWrite, reply);
}
} // namespace xTV200_midi
