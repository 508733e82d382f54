#include "tolmvesk/ScanCommand.h"

#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/MidiCommandContext.h"

namespace tolmvesk
{
int runScanCommand (const juce::StringArray& commandArguments, std::ostream& out, std::ostream& err)
{
    auto arguments = commandArguments;
    MidiCommandContext context (arguments);

    juce::String problem;
    if (! arguments.isEmpty())
        problem = "scan takes no file or number";
    else if (context.getPortChoice().kind == MidiPortChoice::Kind::manual)
        problem = "scan finds the ports itself: leave out --in and --out";

    if (const auto status = context.connect (err, problem))
        return *status;

    out << "Found the synthesizer: " << context.getConnection().describeSelectedPorts() << '\n';
    return ExitStatus::success;
}
} // namespace tolmvesk
