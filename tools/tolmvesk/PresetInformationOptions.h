#pragma once

#include "data/PresetInformation.h"

namespace tolmvesk
{
/** Sets one field of a preset information from "KEY=VALUE", as --preset-info
    gives it. KEY is DataID, Name, Author, Version, Date, Prefix or Copyright
    (without regard to letter case); VALUE may be empty and may hold "=".
    Version takes a whole number from 0 to 2147483647.

    Returns an empty text on success, otherwise what is wrong (the information
    is then unchanged).
*/
juce::String applyPresetInformationOption (const juce::String& keyAndValue,
                                           xTV200_data::PresetInformation& information);
} // namespace tolmvesk
