#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** tolmvesk write IN.tvlib [--programs LIST] [port options]: writes the whole
    library (programs and favourites), or only the listed programs, into the
    synthesizer. */
int runWriteCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
