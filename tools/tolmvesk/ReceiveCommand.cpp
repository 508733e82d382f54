#include "tolmvesk/ReceiveCommand.h"

#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/FileKind.h"
#include "tolmvesk/MidiCommandContext.h"
#include "tolmvesk/ProgramList.h"
#include "tolmvesk/ResultMessage.h"

namespace tolmvesk
{
int runReceiveCommand (const juce::StringArray& commandArguments, std::ostream& out, std::ostream& err)
{
    auto arguments = commandArguments;
    MidiCommandContext context (arguments);
    const auto listText = context.getOptions().takeValue ("--programs");
    const auto programs = listText.has_value() ? parseProgramList (*listText, 300) : std::nullopt;

    juce::String problem;
    if (arguments.size() != 1)
        problem = "receive takes one .tvlib file to write";
    else if (getFileKind (getArgumentFile (arguments[0])) != FileKind::library)
        problem = "receive writes a .tvlib file, not " + arguments[0].quoted();
    else if (listText.has_value() && ! programs.has_value())
        problem = "--programs takes numbers 1 to 300 and ranges such as 1,5-9, not " + listText->quoted();

    const auto file = getArgumentFile (arguments[0]);
    xTV200_data::LibraryData library;

    // Received programs update an existing library; the others stay as they were.
    if (problem.isEmpty() && programs.has_value() && file.existsAsFile())
        if (const auto code = xTV200_file::LibraryFileReader (library).read (file);
            code != file::ReadResult::noError)
            return reportReadError (err, code);

    if (const auto status = context.connect (err, problem))
        return *status;

    const auto status = context.communicate (
        [&] (xTV200_midi::MidiCommunicationManager& communication)
        {
            if (programs.has_value())
                communication.receiveSelectedPrograms (*programs, library);
            else
                communication.receiveLibrary (library);
        },
        err);

    if (status != ExitStatus::success)
        return status;

    if (const auto code = xTV200_file::LibraryFileWriter (library).write (file);
        code != file::WriteResult::noError)
        return reportWriteError (err, code);

    const auto count = programs.has_value() ? programs->size() : size_t (300);
    out << "Received " << count << (count == 1 ? " program" : " programs") << " into "
        << file.getFullPathName() << '\n';
    return ExitStatus::success;
}
} // namespace tolmvesk
