#pragma once

#include "data/ParameterCondition.h"

#include <cstdint>

namespace xTV200_data
{
/** What a parameter's value is: the numbers are the stored kind codes. */
enum class ParameterKind : std::int32_t
{
    unused = 0,
    number = 1,
    character = 2,
    namedValue = 3,
    onOffSwitch = 4
};

/** One record of the parameter map: the parameter's names, range, where its
    bits lie inside its group's data block, and how its value is shown.

    The texts point at compiled-in strings that live as long as the program, so
    records copy without allocating.
*/
struct ParameterInfo
{
    const char* name = "";
    const char* shortName = "";     ///< for narrow displays, may be empty
    const char* qualifiedName = ""; ///< unique without the section heading, may be empty
    std::int16_t minimum = 0;
    std::int16_t maximum = 0;
    std::int16_t centre = 0;      ///< the raw value shown as the middle (64 for Pan)
    bool displaySigned = false;   ///< shown with a sign
    std::uint16_t byteOffset = 0; ///< first byte inside the group's data block
    std::uint8_t byteCount = 0;   ///< 1 or 2; 0 in unused records
    std::uint8_t bitPosition = 0; ///< counted from the most significant bit of the word
    std::uint8_t bitCount = 0;    ///< 8, 16 or 1; 0 in unused records
    bool signExtend = false;      ///< the stored bits are a two's complement number
    ParameterKind kind = ParameterKind::unused;
    std::int32_t formatter = 0; ///< index into the value formatter table
    ParameterCondition activeWhen;
};

} // namespace xTV200_data
