#pragma once

#include <juce_core/juce_core.h>

namespace tolmvesk
{
/** The file a command-line argument names: absolute as it stands, otherwise
    relative to the current working directory. */
juce::File getArgumentFile (const juce::String& argument);
} // namespace tolmvesk
