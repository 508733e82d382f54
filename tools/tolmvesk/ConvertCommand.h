#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** "convert IN OUT [--preset-info KEY=VALUE]...": library to preset (as Make
    Preset File does, programmer and comment emptied), preset to library, and
    the older editor's library to library. OUT's extension chooses what is
    written; any other pair is a wrong command line.

    @param arguments  the arguments after the command's name
*/
int runConvertCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
