#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** Writes the usage text that --help shows. */
void printUsage (std::ostream& stream);

/** Writes "tolmvesk: " + message on one line, then the usage text, and
    returns ExitStatus::wrongCommandLine. */
int reportWrongCommandLine (std::ostream& err, const juce::String& message);
} // namespace tolmvesk
