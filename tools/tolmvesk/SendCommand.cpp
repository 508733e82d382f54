#include "tolmvesk/SendCommand.h"

#include "file/FileResultCodes.h"
#include "midi/MidiDeviceManager.h"
#include "midi/TransmitCurrentProgramProcess.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/LoadedFile.h"
#include "tolmvesk/MidiCommandContext.h"
#include "tolmvesk/ProgramNumber.h"
#include "tolmvesk/ResultMessage.h"

namespace tolmvesk
{
int runSendCommand (const juce::StringArray& commandArguments, std::ostream& out, std::ostream& err)
{
    auto arguments = commandArguments;
    MidiCommandContext context (arguments);

    juce::String problem;
    std::optional<int> index;

    if (arguments.size() != 2)
        problem = "send takes a file and a program number";
    else if (getFileKind (getArgumentFile (arguments[0])) == FileKind::unknown)
        problem = "send reads a .tvlib, .tvprog, .tvpreset, .itvpreset or .XTV200_all file, not " +
                  arguments[0].quoted();
    else if (index = parseProgramNumber (arguments[1], 300); ! index.has_value())
        problem = "the program number must be 1 to 300, not " + arguments[1].quoted();

    LoadedFile source;

    if (problem.isEmpty())
    {
        const auto file = getArgumentFile (arguments[0]);

        if (const auto code = source.load (file, getFileKind (file)); code != file::ReadResult::noError)
            return reportReadError (err, code);

        if (*index >= source.getNumPrograms())
            problem = "a program file holds only program 1";
    }

    if (const auto status = context.connect (err, problem))
        return *status;

    const auto& program = source.getProgram (*index);
    const auto status = context.communicate (
        [&] (xTV200_midi::MidiCommunicationManager& communication)
        {
            auto& devices = *midi::MidiDeviceManager::getInstance();
            xTV200_midi::TransmitCurrentProgramProcess process (
                devices.getPort(), devices.getTargetFamilyId(), communication.getTimeouts(), program);
            communication.runProcess (process);
        },
        err);

    if (status == ExitStatus::success)
        out << "Sent " << program.getName().trimEnd() << " to the synthesizer's current program\n";

    return status;
}
} // namespace tolmvesk
