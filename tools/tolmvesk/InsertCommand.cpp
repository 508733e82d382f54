#include "tolmvesk/InsertCommand.h"

#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"
#include "file/ProgramFileReader.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/FileKind.h"
#include "tolmvesk/ProgramNumber.h"
#include "tolmvesk/ResultMessage.h"
#include "tolmvesk/Usage.h"

namespace tolmvesk
{
int runInsertCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() != 3)
        return reportWrongCommandLine (err, "insert takes a library, a program number and a .tvprog file");

    const auto libraryFile = getArgumentFile (arguments[0]);
    const auto programFile = getArgumentFile (arguments[2]);

    if (getFileKind (libraryFile) != FileKind::library)
        return reportWrongCommandLine (err, "insert changes a .tvlib file, not " + arguments[0].quoted());

    const auto index = parseProgramNumber (arguments[1], xTV200_data::LibraryData::numPrograms);

    if (! index.has_value())
        return reportWrongCommandLine (err,
                                       "the program number must be 1 to 300, not " + arguments[1].quoted());

    if (getFileKind (programFile) != FileKind::program)
        return reportWrongCommandLine (err, "insert reads a .tvprog file, not " + arguments[2].quoted());

    auto library = std::make_unique<xTV200_data::LibraryData>();

    if (const auto code = xTV200_file::LibraryFileReader (*library).read (libraryFile);
        code != file::ReadResult::noError)
        return reportReadError (err, code);

    xTV200_data::ProgramData program;

    if (const auto code = xTV200_file::ProgramFileReader (program).read (programFile);
        code != file::ReadResult::noError)
        return reportReadError (err, code);

    library->getProgram (*index) = program;

    if (const auto code = xTV200_file::LibraryFileWriter (*library).write (libraryFile);
        code != file::WriteResult::noError)
        return reportWriteError (err, code);

    out << "Wrote program " << formatProgramNumber (*index) << " (" << program.getName().trimEnd()
        << ") into " << libraryFile.getFullPathName() << '\n';
    return ExitStatus::success;
}
} // namespace tolmvesk
