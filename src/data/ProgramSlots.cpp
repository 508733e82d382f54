#include "data/ProgramSlots.h"

#include <cstdio>

namespace xTV200_data
{
ProgramSlots::ProgramSlots (const ProgramSlots& other)
    : programs (other.programs), indexErrorFormat (other.indexErrorFormat)
{
}

ProgramSlots& ProgramSlots::operator= (const ProgramSlots& other)
{
    programs = other.programs;
    return *this;
}

bool ProgramSlots::isValidIndex (int index) const noexcept
{
    if (juce::isPositiveAndBelow (index, numPrograms))
        return true;

    // A debugging aid; it goes to stderr so that it never mixes with a
    // tool's output.
    std::fprintf (stderr, indexErrorFormat, index);
    return false;
}

ProgramData& ProgramSlots::get (int index)
{
    return isValidIndex (index) ? programs[(size_t) index] : fallbackProgram;
}

const ProgramData& ProgramSlots::get (int index) const
{
    return isValidIndex (index) ? programs[(size_t) index] : fallbackProgram;
}

void ProgramSlots::initializeAll()
{
    for (auto& program : programs)
        program.initialize();
}
} // namespace xTV200_data
