#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** "info FILE [--json]": what a library, program or preset file holds.

    The text form numbers programs 001-300 as the user sees them and lists one
    tab-separated line per program; the JSON form is one document with "kind",
    "programs" (with 0-based "index"), "favorites" for libraries and "preset"
    for presets.

    @param arguments  the arguments after the command's name
*/
int runInfoCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
