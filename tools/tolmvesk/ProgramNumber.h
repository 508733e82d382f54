#pragma once

#include <juce_core/juce_core.h>

#include <optional>

namespace tolmvesk
{
/** The 0-based program index of a program number as the user types it: only
    decimal digits (leading zeros allowed) naming 1 to numPrograms. Anything
    else, signs and blanks included, gives no index. */
std::optional<int> parseProgramNumber (const juce::String& text, int numPrograms);

/** The number the user sees for an index: 0 gives "001". */
juce::String formatProgramNumber (int index);
} // namespace tolmvesk
