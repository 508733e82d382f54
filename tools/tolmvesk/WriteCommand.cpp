#include "tolmvesk/WriteCommand.h"

#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/FileKind.h"
#include "tolmvesk/MidiCommandContext.h"
#include "tolmvesk/ProgramList.h"
#include "tolmvesk/ResultMessage.h"

namespace tolmvesk
{
int runWriteCommand (const juce::StringArray& commandArguments, std::ostream& out, std::ostream& err)
{
    auto arguments = commandArguments;
    MidiCommandContext context (arguments);
    const auto listText = context.getOptions().takeValue ("--programs");
    const auto programs = listText.has_value() ? parseProgramList (*listText, 300) : std::nullopt;

    juce::String problem;
    if (arguments.size() != 1)
        problem = "write takes one .tvlib file to send";
    else if (getFileKind (getArgumentFile (arguments[0])) != FileKind::library)
        problem = "write sends a .tvlib file, not " + arguments[0].quoted();
    else if (listText.has_value() && ! programs.has_value())
        problem = "--programs takes numbers 1 to 300 and ranges such as 1,5-9, not " + listText->quoted();

    xTV200_data::LibraryData library;

    if (problem.isEmpty())
        if (const auto code = xTV200_file::LibraryFileReader (library).read (getArgumentFile (arguments[0]));
            code != file::ReadResult::noError)
            return reportReadError (err, code);

    if (const auto status = context.connect (err, problem))
        return *status;

    const auto status = context.communicate (
        [&] (xTV200_midi::MidiCommunicationManager& communication)
        {
            if (programs.has_value())
                communication.writeSelectedPrograms (*programs, library);
            else
                communication.writeLibrary (library);
        },
        err);

    if (status == ExitStatus::success)
    {
        const auto count = programs.has_value() ? programs->size() : size_t (300);
        out << "Wrote " << count << (count == 1 ? " program" : " programs")
            << (programs.has_value() ? "" : " and the favourites") << " to the synthesizer\n";
    }

    return status;
}
} // namespace tolmvesk
