#include "tolmvesk/ExtractCommand.h"

#include "file/FileResultCodes.h"
#include "file/ProgramFileWriter.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/LoadedFile.h"
#include "tolmvesk/ProgramNumber.h"
#include "tolmvesk/ResultMessage.h"
#include "tolmvesk/Usage.h"

namespace tolmvesk
{
int runExtractCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() != 3)
        return reportWrongCommandLine (err, "extract takes a library, a program number and a .tvprog file");

    const auto sourceFile = getArgumentFile (arguments[0]);
    const auto sourceKind = getFileKind (sourceFile);
    const auto outputFile = getArgumentFile (arguments[2]);

    if (sourceKind == FileKind::unknown || sourceKind == FileKind::program)
        return reportWrongCommandLine (
            err, "extract reads a .tvlib, .tvpreset, .itvpreset or .XTV200_all file, not " +
                     arguments[0].quoted());

    const auto index = parseProgramNumber (arguments[1], xTV200_data::LibraryData::numPrograms);

    if (! index.has_value())
        return reportWrongCommandLine (err,
                                       "the program number must be 1 to 300, not " + arguments[1].quoted());

    if (getFileKind (outputFile) != FileKind::program)
        return reportWrongCommandLine (err, "extract writes a .tvprog file, not " + arguments[2].quoted());

    LoadedFile source;

    if (const auto code = source.load (sourceFile, sourceKind); code != file::ReadResult::noError)
        return reportReadError (err, code);

    const auto& program = source.getProgram (*index);

    if (const auto code = xTV200_file::ProgramFileWriter (program).write (outputFile);
        code != file::WriteResult::noError)
        return reportWriteError (err, code);

    out << "Wrote program " << formatProgramNumber (*index) << " (" << program.getName().trimEnd() << ") to "
        << outputFile.getFullPathName() << '\n';
    return ExitStatus::success;
}
} // namespace tolmvesk
