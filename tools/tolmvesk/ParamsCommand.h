#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** "params FILE NUMBER": every parameter of one program through the parameter
    map, one tab-separated line each: group, index, section, name, raw value,
    the text the synthesizer shows, and "active", "inactive" or "no record".
    NUMBER is 1-300, or 1 for a program file.

    @param arguments  the arguments after the command's name
*/
int runParamsCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
