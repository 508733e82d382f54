#include "tolmvesk/Usage.h"

#include "tolmvesk/ExitStatus.h"

namespace tolmvesk
{
void printUsage (std::ostream& stream)
{
    stream << "Usage: tolmvesk info FILE [--json]\n"
              "       tolmvesk convert IN OUT [--preset-info KEY=VALUE]...\n"
              "       tolmvesk extract LIBRARY NUMBER OUT.tvprog\n"
              "       tolmvesk insert LIBRARY.tvlib NUMBER PROGRAM.tvprog\n"
              "       tolmvesk params FILE NUMBER\n"
              "       tolmvesk --help\n"
              "       tolmvesk --version\n"
              "\n"
              "Files are told apart by their extension: .tvlib (library), .tvprog (program),\n"
              ".tvpreset and .itvpreset (preset), .XTV200_all (the older editor's library, read only).\n"
              "NUMBER is a program number from 1 to 300, as the synthesizer shows it.\n"
              "\n"
              "convert turns a library into a preset (programmer and comment emptied), a preset\n"
              "into a library, or an older editor's library into a library; OUT's extension\n"
              "chooses what is written. The preset information of a new preset is given with\n"
              "--preset-info, KEY being DataID, Name, Author, Version, Date, Prefix or Copyright.\n"
              "\n"
              "Exit status: 0 on success, 1 for a wrong command line, 2 when a file could not\n"
              "be read or written (with one line \"error: CODE TEXT\" on standard error).\n";
}

int reportWrongCommandLine (std::ostream& err, const juce::String& message)
{
    err << "tolmvesk: " << message << '\n';
    printUsage (err);
    return ExitStatus::wrongCommandLine;
}
} // namespace tolmvesk
