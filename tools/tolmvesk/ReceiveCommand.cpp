#include "tolmvesk/ReceiveCommand.h"

#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/LibraryTransferArguments.h"
#include "tolmvesk/MidiCommandContext.h"
#include "tolmvesk/ResultMessage.h"

namespace tolmvesk
{
int runReceiveCommand (const juce::StringArray& commandArguments, std::ostream& out, std::ostream& err)
{
    auto arguments = commandArguments;
    MidiCommandContext context (arguments);
    const auto transfer = LibraryTransferArguments::take ("receive", arguments, context.getOptions());
    const auto& file = transfer.libraryFile;
    xTV200_data::LibraryData library;

    // Received programs update an existing library; the others stay as they were.
    if (transfer.problem.isEmpty() && transfer.programs.has_value() && file.existsAsFile())
        if (const auto code = xTV200_file::LibraryFileReader (library).read (file);
            code != file::ReadResult::noError)
            return reportReadError (err, code);

    if (const auto status = context.connect (err, transfer.problem))
        return *status;

    const auto status = context.communicate (
        [&] (xTV200_midi::MidiCommunicationManager& communication)
        {
            if (transfer.programs.has_value())
                communication.receiveSelectedPrograms (*transfer.programs, library);
            else
                communication.receiveLibrary (library);
        },
        err);

    if (status != ExitStatus::success)
        return status;

    if (const auto code = xTV200_file::LibraryFileWriter (library).write (file);
        code != file::WriteResult::noError)
        return reportWriteError (err, code);

    out << "Received " << transfer.describeCount() << " into " << file.getFullPathName() << '\n';
    return ExitStatus::success;
}
} // namespace tolmvesk
