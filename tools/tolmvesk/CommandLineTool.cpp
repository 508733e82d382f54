#include "tolmvesk/CommandLineTool.h"

#include "app/ApplicationInfo.h"
#include "tolmvesk/ConvertCommand.h"
#include "tolmvesk/EmulateCommand.h"
#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/ExtractCommand.h"
#include "tolmvesk/InfoCommand.h"
#include "tolmvesk/InsertCommand.h"
#include "tolmvesk/ParamsCommand.h"
#include "tolmvesk/PortsCommand.h"
#include "tolmvesk/ReceiveCommand.h"
#include "tolmvesk/ScanCommand.h"
#include "tolmvesk/SendCommand.h"
#include "tolmvesk/Usage.h"
#include "tolmvesk/WriteCommand.h"

namespace tolmvesk
{
namespace
{
using Command = int (*) (const juce::StringArray&, std::ostream&, std::ostream&);

Command findCommand (const juce::String& name)
{
    static const std::pair<const char*, Command> commands[] = {
        {"info", runInfoCommand},     {"convert", runConvertCommand}, {"extract", runExtractCommand},
        {"insert", runInsertCommand}, {"params", runParamsCommand},   {"ports", runPortsCommand},
        {"scan", runScanCommand},     {"receive", runReceiveCommand}, {"write", runWriteCommand},
        {"send", runSendCommand},     {"emulate", runEmulateCommand},
    };

    for (const auto& [commandName, command] : commands)
        if (name == commandName)
            return command;

    return nullptr;
}
} // namespace

int runCommandLineTool (const juce::StringArray& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.isEmpty())
        return reportWrongCommandLine (err, "no command given");

    // --help and --version answer wherever they stand, as scripts and users expect.
    if (arguments.contains ("--help"))
    {
        printUsage (out);
        return ExitStatus::success;
    }

    if (arguments.contains ("--version"))
    {
        out << "tolmvesk (" << xTV200_application::ApplicationInfo::name << ") "
            << xTV200_application::ApplicationInfo::version << '\n';
        return ExitStatus::success;
    }

    const auto command = findCommand (arguments[0]);

    if (command == nullptr)
        return reportWrongCommandLine (err, "unknown command " + arguments[0].quoted());

    juce::StringArray commandArguments (arguments);
    commandArguments.remove (0);
    return command (commandArguments, out, err);
}
} // namespace tolmvesk
