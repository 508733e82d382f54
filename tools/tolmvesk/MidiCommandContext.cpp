#include "tolmvesk/MidiCommandContext.h"

#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/ResultMessage.h"
#include "tolmvesk/Usage.h"

namespace tolmvesk
{
MidiCommandContext::MidiCommandContext (juce::StringArray& arguments)
    : options (arguments)
    , portChoice (MidiPortChoice::take (options))
    , emulatorOptions (EmulatorCommandOptions::take (options))
{
}

std::optional<int> MidiCommandContext::connect (std::ostream& err, const juce::String& usageProblem,
                                                bool findSynthesizer)
{
    options.rejectUnknownOptions();

    if (usageProblem.isNotEmpty())
        options.fail (usageProblem);

    if (emulatorOptions.anyGiven && portChoice.kind != MidiPortChoice::Kind::virtualSynth)
        options.fail ("the emulated synthesizer's options need --virtual-synth");

    if (options.getError().isNotEmpty())
        return reportWrongCommandLine (err, options.getError());

    connection = std::make_unique<MidiConnection> (portChoice, emulatorOptions);

    if (const auto problem = connection->prepare(); problem.isNotEmpty())
        return reportCommunicationNotStarted (err, problem);

    if (findSynthesizer && ! connection->findSynthesizer())
        return reportCommunicationNotStarted (err, getEnglishText ("ConnectionErrorNotFoundTolmVesk"));

    return std::nullopt;
}

int MidiCommandContext::communicate (const std::function<void (xTV200_midi::MidiCommunicationManager&)>& run,
                                     std::ostream& err)
{
    ProgressLine progress (err);
    midi::BlockingCommunicationRunner runner ([&progress] (const auto& session) { progress.show (session); });

    auto* communication = xTV200_midi::MidiCommunicationManager::getInstance();
    communication->setRunner (&runner);
    run (*communication);
    communication->setRunner (nullptr);
    progress.finish();

    return reportCommunicationResult (runner, err);
}
} // namespace tolmvesk
