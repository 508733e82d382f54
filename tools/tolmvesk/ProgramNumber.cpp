#include "tolmvesk/ProgramNumber.h"

namespace tolmvesk
{
std::optional<int> parseProgramNumber (const juce::String& text, int numPrograms)
{
    if (text.isEmpty() || ! text.containsOnly ("0123456789"))
        return std::nullopt;

    // Leading zeros are harmless; what follows them must be short enough not to overflow.
    const auto significant = text.trimCharactersAtStart ("0");

    if (significant.length() > 6)
        return std::nullopt;

    const auto number = significant.getIntValue();

    if (number < 1 || number > numPrograms)
        return std::nullopt;

    return number - 1;
}

juce::String formatProgramNumber (int index)
{
    return juce::String (index + 1).paddedLeft ('0', 3);
}
} // namespace tolmvesk
