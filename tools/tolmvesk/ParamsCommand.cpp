#include "tolmvesk/ParamsCommand.h"

#include "data/ParameterGroup.h"
#include "data/ParameterListing.h"
#include "file/FileResultCodes.h"
#include "tolmvesk/ArgumentFile.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/LoadedFile.h"
#include "tolmvesk/ProgramNumber.h"
#include "tolmvesk/ResultMessage.h"
#include "tolmvesk/Usage.h"

namespace tolmvesk
{
namespace
{
const char* describeState (const xTV200_data::ParameterListEntry& entry)
{
    if (! entry.hasRecord)
        return "no record";

    return entry.active ? "active" : "inactive";
}

void printParameters (const xTV200_data::ProgramData& program, std::ostream& out)
{
    out << "Group\tIndex\tSection\tName\tValue\tText\tState\n";

    for (const auto& entry :
         xTV200_data::listProgramParameters ({program.getBytes(), xTV200_data::ProgramData::numBytes}))
    {
        const auto* group = xTV200_data::getParameterGroup (entry.id.group);
        out << entry.id.group << '\t' << entry.id.index << '\t' << (group != nullptr ? group->section : "")
            << '\t' << entry.info.name << '\t' << entry.value << '\t' << entry.text << '\t'
            << describeState (entry) << '\n';
    }
}
} // namespace

int runParamsCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.size() != 2)
        return reportWrongCommandLine (err, "params takes a file and a program number");

    const auto file = getArgumentFile (arguments[0]);
    const auto kind = getFileKind (file);

    if (kind == FileKind::unknown)
        return reportWrongCommandLine (err, "cannot tell the kind of " + arguments[0].quoted() +
                                                " from its extension");

    const auto numPrograms = kind == FileKind::program ? 1 : xTV200_data::LibraryData::numPrograms;
    const auto index = parseProgramNumber (arguments[1], numPrograms);

    if (! index.has_value())
        return reportWrongCommandLine (err, "the program number must be 1 to " + juce::String (numPrograms) +
                                                ", not " + arguments[1].quoted());

    LoadedFile loaded;

    if (const auto code = loaded.load (file, kind); code != file::ReadResult::noError)
        return reportReadError (err, code);

    printParameters (loaded.getProgram (*index), out);
    return ExitStatus::success;
}
} // namespace tolmvesk
