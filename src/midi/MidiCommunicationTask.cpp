#include "midi/MidiCommunicationTask.h"

#include "midi/MidiCommunicationResult.h"
#include "midi/MidiMessageAnalyzer.h"

#include <algorithm>

namespace xTV200_midi
{
MidiCommunicationTask::MidiCommunicationTask (CTRVMidi& portToUse, int familyId)
    : port (portToUse)
    , targetFamilyId (familyId)
{
    port.addListener (this);
}

MidiCommunicationTask::~MidiCommunicationTask()
{
    port.removeListener (this);
}

bool MidiCommunicationTask::send (const juce::MemoryBlock& message)
{
    return port.sendMessage (CTRVMidiMessage (message));
}

AnalyzedInformation MidiCommunicationTask::waitForReply (std::initializer_list<int> acceptedTypes,
                                                         int timeoutMilliseconds)
{
    const auto deadline =
        juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (juce::jmax (0, timeoutMilliseconds));
    const MidiMessageAnalyzer analyzer;
    CTRVMidiMessage message;

    while (queue.waitAndPop (message, deadline))
    {
        auto information = analyzer.analyze (message.getBytes(), targetFamilyId);

        if (std::find (acceptedTypes.begin(), acceptedTypes.end(), information.getType()) !=
            acceptedTypes.end())
            return information;
    }

    return {};
}

int MidiCommunicationTask::exchange (const juce::MemoryBlock& message,
                                     std::initializer_list<int> acceptedTypes, int timeoutMilliseconds,
                                     int nakCode, AnalyzedInformation& reply)
{
    using Result = midi::MidiCommunicationResult;

    // An empty message means the data to send had the wrong size: nothing goes out.
    if (message.isEmpty() || ! send (message))
        return Result::timeout;

    reply = waitForReply (acceptedTypes, timeoutMilliseconds);

    switch (reply.getType())
    {
    case AnalyzedInformation::none:
        return Result::timeout;
    case AnalyzedInformation::broken:
        return Result::messageBroken;
    case AnalyzedInformation::dataLoadError:
        return nakCode;
    default:
        return Result::noError;
    }
}

void MidiCommunicationTask::onSysExMessage (CTRVMidi&, const CTRVMidiMessage& message)
{
    queue.push (message);
}
} // namespace xTV200_midi
