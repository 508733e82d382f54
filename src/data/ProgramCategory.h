#pragma once

#include "data/ProgramData.h"

namespace xTV200_data
{
/** The category of a program as the synthesizer shows it ("Synth", "Lead", ...),
    read through the parameter map. */
juce::String getProgramCategory (const ProgramData& program);
} // namespace xTV200_data
