#include "midi/GlobalDataTransmitter.h"

#include "midi/MidiCommunicationResult.h"

namespace xTV200_midi
{
int GlobalDataTransmitter::execute (const juce::MemoryBlock& globalData, int timeoutMilliseconds)
{
    AnalyzedInformation reply;
    return exchange (createGenerator().createGlobalDataDump (globalData),
                     {AnalyzedInformation::broken, AnalyzedInformation::dataLoadCompleted,
                      AnalyzedInformation::dataLoadError},
                     timeoutMilliseconds, midi::MidiCommunicationResult::nakOnWrite, reply);
}
} // namespace xTV200_midi
