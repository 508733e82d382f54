#include "tolmvesk/WriteCommand.h"

#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/LibraryTransferArguments.h"
#include "tolmvesk/MidiCommandContext.h"
#include "tolmvesk/ResultMessage.h"

namespace tolmvesk
{
int runWriteCommand (const juce::StringArray& commandArguments, std::ostream& out, std::ostream& err)
{
    auto arguments = commandArguments;
    MidiCommandContext context (arguments);
    const auto transfer = LibraryTransferArguments::take ("write", arguments, context.getOptions());
    xTV200_data::LibraryData library;

    if (transfer.problem.isEmpty())
        if (const auto code = xTV200_file::LibraryFileReader (library).read (transfer.libraryFile);
            code != file::ReadResult::noError)
            return reportReadError (err, code);

    if (const auto status = context.connect (err, transfer.problem))
        return *status;

    const auto status = context.communicate (
        [&] (xTV200_midi::MidiCommunicationManager& communication)
        {
            if (transfer.programs.has_value())
                communication.writeSelectedPrograms (*transfer.programs, library);
            else
                communication.writeLibrary (library);
        },
        err);

    if (status == ExitStatus::success)
        out << "Wrote " << transfer.describeCount()
            << (transfer.programs.has_value() ? "" : " and the favourites") << " to the synthesizer\n";

    return status;
}
} // namespace tolmvesk
