#include "tolmvesk/CommandLineTool.h"

#include "app/ApplicationInfo.h"

namespace tolmvesk
{
namespace
{
void printUsage (std::ostream& stream)
{
    stream << "Usage: tolmvesk --version\n"
              "       tolmvesk --help\n";
}
} // namespace

int runCommandLineTool (const juce::StringArray& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.contains ("--version"))
    {
        out << xTV200_application::ApplicationInfo::name << ' ' << xTV200_application::ApplicationInfo::version
            << '\n';
        return 0;
    }

    if (arguments.contains ("--help"))
    {
        printUsage (out);
        return 0;
    }

    printUsage (err);
    return 1;
}
} // namespace tolmvesk
