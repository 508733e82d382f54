#pragma once

#include "data/ProgramData.h"

#include <array>

namespace xTV200_data
{
/** The 300 program slots of a library or a preset, with the fallback program
    that answers an index out of range.

    A bad index is reported on the console and given the fallback, so that no
    caller ever holds an invalid reference and writes through it touch only
    the fallback. Copies take the 300 programs; the fallback of a copy is a
    fresh initial program.
*/
class ProgramSlots
{
public:
    static constexpr int numPrograms = 300;

    /** errorFormat is the console line for a bad index, with one %d. */
    explicit ProgramSlots (const char* errorFormat) noexcept : indexErrorFormat (errorFormat) {}
    ProgramSlots (const ProgramSlots& other);
    ProgramSlots& operator= (const ProgramSlots& other);

    ProgramData& get (int index);
    const ProgramData& get (int index) const;

    void initializeAll();

    bool operator== (const ProgramSlots& other) const { return programs == other.programs; }

private:
    bool isValidIndex (int index) const noexcept;

    std::array<ProgramData, numPrograms> programs;
    ProgramData fallbackProgram;
    const char* indexErrorFormat;
};
} // namespace xTV200_data
