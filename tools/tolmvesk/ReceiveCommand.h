#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** tolmvesk receive OUT.tvlib [--programs LIST] [port options]: receives the
    whole library, or with --programs the listed programs into OUT (updating
    it when it exists), from the synthesizer. */
int runReceiveCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
