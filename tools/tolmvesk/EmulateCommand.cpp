#include "tolmvesk/EmulateCommand.h"

#include "midi/emulator/SynthesizerEmulator.h"
#include "midi/service/ByteStreamMidiService.h"
#include "midi/service/SystemMidiService.h"
#include "tolmvesk/CommunicationReport.h"
#include "tolmvesk/EmulatorCommandOptions.h"
#include "tolmvesk/EmulatorMemoryLoader.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/MidiPortChoice.h"
#include "tolmvesk/Usage.h"

#include <csignal>
#include <pthread.h>

namespace tolmvesk
{
namespace
{
/** Holds the stop signals back from every thread started while it lives, so
    that waitForStopSignal() receives them instead of their default action. */
class StopSignals final
{
public:
    StopSignals()
    {
        sigemptyset (&signals);
        for (const auto signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset (&signals, signal);
        pthread_sigmask (SIG_BLOCK, &signals, &previousMask);
    }

    ~StopSignals() { pthread_sigmask (SIG_SETMASK, &previousMask, nullptr); }

    void waitForStopSignal()
    {
        int received = 0;
        sigwait (&signals, &received);
    }

private:
    sigset_t signals;
    sigset_t previousMask;
};

std::shared_ptr<midi::MidiService> createService (const MidiPortChoice& choice)
{
    if (choice.kind == MidiPortChoice::Kind::byteStream)
        return std::make_shared<midi::ByteStreamMidiService> (choice.inputPath, choice.outputPath);

    return midi::createSystemMidiService();
}

juce::String findPorts (midi::MidiService& service, const MidiPortChoice& choice, int& input, int& output)
{
    const bool byName = choice.kind == MidiPortChoice::Kind::manual;
    input = byName ? service.getInputPortNames().indexOf (choice.inputName) : 0;
    output = byName ? service.getOutputPortNames().indexOf (choice.outputName) : 0;

    if (input < 0)
        return "there is no MIDI input " + choice.inputName.quoted();

    return output < 0 ? "there is no MIDI output " + choice.outputName.quoted() : juce::String();
}
} // namespace

int runEmulateCommand (const juce::StringArray& commandArguments, std::ostream&, std::ostream& err)
{
    auto arguments = commandArguments;
    OptionReader options (arguments);
    const auto choice = MidiPortChoice::take (options);
    const auto emulatorOptions = EmulatorCommandOptions::take (options);
    options.rejectUnknownOptions();

    if (choice.kind != MidiPortChoice::Kind::byteStream && choice.kind != MidiPortChoice::Kind::manual)
        options.fail ("emulate needs its ports: --in-stream and --out-stream, or --in and --out");
    else if (! arguments.isEmpty())
        options.fail ("emulate takes no file or number");

    if (options.getError().isNotEmpty())
        return reportWrongCommandLine (err, options.getError());

    const auto service = createService (choice);
    int input = 0, output = 0;
    auto problem = service->getUnavailableReason();

    if (problem.isEmpty())
        problem = findPorts (*service, choice, input, output);

    if (problem.isNotEmpty())
        return reportCommunicationNotStarted (err, problem);

    StopSignals stopSignals;
    xTV200_midi::SynthesizerEmulator emulator (*service, input, output, emulatorOptions.emulator);

    if (const auto loadProblem = loadEmulatorPrograms (emulatorOptions.programsFile, emulator.getMemory());
        loadProblem.isNotEmpty())
        return reportCommunicationNotStarted (err, loadProblem);

    if (juce::String error; ! emulator.start (error))
        return reportCommunicationNotStarted (err, error);

    err << "Emulating a TolmVESK on MIDI channel " << emulatorOptions.emulator.channel + 1 << ": "
        << service->getInputPortNames()[input] << " -> " << service->getOutputPortNames()[output]
        << ". Stop with Ctrl+C." << std::endl;

    stopSignals.waitForStopSignal();
    emulator.stop();

    err << "Stopped after " << emulator.getNumMessagesReceived() << " messages received, "
        << emulator.getNumBytesSent() << " bytes sent." << std::endl;
    return ExitStatus::success;
}
} // namespace tolmvesk
