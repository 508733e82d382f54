#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** tolmvesk ports [port options]: lists the MIDI input and output ports, as
    --in and --out name them, marking the synthesizer's own. */
int runPortsCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);

} // namespace tolmvesk
