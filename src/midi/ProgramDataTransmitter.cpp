#include "midi/ProgramDataTransmitter.h"

#include "midi/MidiCommunicationResult.h"

namespace xTV200_midi
{
int ProgramDataTransmitter::execute (int programNumber, const xTV200_data::ProgramData& program,
                                     int timeoutMilliseconds)
{
    const juce::MemoryBlock bytes (program.getBytes(), xTV200_data::ProgramData::numBytes);
    AnalyzedInformation reply;
    return exchange (createGenerator().createProgramDataDump (programNumber, bytes),
                     {AnalyzedInformation::broken, AnalyzedInformation::dataLoadCompleted,
                      AnalyzedInformation::dataLoadError},
                     timeoutMilliseconds, midi::MidiCommunicationResult::nakOnWrite, reply);
}
} // namespace xTV200_midi
