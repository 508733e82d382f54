#pragma once

#include "data/ParameterId.h"
#include "data/ProgramData.h"

namespace xTV200_data
{
/** Stores a raw value of a program parameter (groups 0 to 8) in the program's
    bytes, at the byte and bits that the parameter map gives for it: the
    inverse of readParameterValue(). The other bits of the bytes it touches
    keep their values, and the program's hash is updated.

    The record is chosen from the program as it is, so an oscillator or
    effect control takes the record of the type already stored: write the type
    first. Returns false and changes nothing for an unknown or global
    parameter, a record without bytes (a control the type does not use), or a
    value outside the record's range.
*/
bool writeProgramParameterValue (ProgramData& program, ParameterId id, int value);

} // namespace xTV200_data
