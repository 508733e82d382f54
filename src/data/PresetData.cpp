#include "data/PresetData.h"

#include <cstdio>

namespace xTV200_data
{
PresetData::PresetData (const PresetData& other)
    : Data(), programs (other.programs), information (other.information)
{
}

PresetData& PresetData::operator= (const PresetData& other)
{
    programs = other.programs;
    information = other.information;
    return *this;
}

void PresetData::initialize()
{
    for (auto& program : programs)
        program.initialize();

    information = PresetInformation();
}

bool PresetData::isValidIndex (int index) noexcept
{
    if (juce::isPositiveAndBelow (index, numPrograms))
        return true;

    std::fprintf (stderr, "Preset Program Number Error: %d\n", index);
    return false;
}

ProgramData& PresetData::getProgram (int index)
{
    return isValidIndex (index) ? programs[(size_t) index] : fallbackProgram;
}

const ProgramData& PresetData::getProgram (int index) const
{
    return isValidIndex (index) ? programs[(size_t) index] : fallbackProgram;
}

bool PresetData::operator== (const PresetData& other) const
{
    return programs == other.programs && information == other.information;
}
} // namespace xTV200_data
