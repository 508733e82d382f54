#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

namespace tolmvesk
{
/** The 0-based program indices of a list such as "1,5-9" as the user types it:
    numbers 1 to numPrograms and ascending ranges, separated by commas, kept in
    the order given; a number named twice counts once, where it first appears.
    Anything else gives no list. */
std::optional<std::vector<int>> parseProgramList (const juce::String& text, int numPrograms);
} // namespace tolmvesk
