#pragma once

#include "data/ProgramData.h"

namespace tolmvesk
{
/** The category of a program as the synthesizer shows it ("Synth", "Lead", ...),
    read through the parameter map. */
juce::String getProgramCategory (const xTV200_data::ProgramData& program);
} // namespace tolmvesk
