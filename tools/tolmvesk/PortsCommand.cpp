#include "tolmvesk/PortsCommand.h"

#include "tolmvesk/ExitStatus.h"
#include "tolmvesk/MidiCommandContext.h"

namespace tolmvesk
{
namespace
{
void listPorts (std::ostream& out, const char* heading, const juce::StringArray& names)
{
    out << heading << ":\n";

    if (names.isEmpty())
        out << "  (none)\n";

    for (const auto& name : names)
        out << "  " << name << (midi::MidiService::isSynthesizerPortName (name) ? "  [synthesizer]" : "")
            << '\n';
}
} // namespace

int runPortsCommand (const juce::StringArray& commandArguments, std::ostream& out, std::ostream& err)
{
    auto arguments = commandArguments;
    MidiCommandContext context (arguments);
    const auto problem = arguments.isEmpty() ? juce::String() : "ports takes no file or number";

    if (const auto status = context.connect (err, problem, false))
        return *status;

    auto service = context.getConnection().getService();
    out << "MIDI ports of the " << service->getServiceName() << '\n';
    listPorts (out, "Inputs", service->getInputPortNames());
    listPorts (out, "Outputs", service->getOutputPortNames());
    return ExitStatus::success;
}
} // namespace tolmvesk
