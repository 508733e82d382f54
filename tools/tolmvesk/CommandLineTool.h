#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** Runs the command-line tool with its arguments (without the program name),
    writing to the given streams, and returns the exit status:
    0 on success, 1 for a wrong command line (after the usage text), 2 when a
    file could not be read or written.
*/
int runCommandLineTool (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
