#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** tolmvesk scan [port options]: runs the device scan and names the ports that
    lead to the synthesizer. */
int runScanCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
