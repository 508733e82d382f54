#pragma once

#include <cstdint>
#include <limits>

namespace xTV200_data
{
/** Addresses one parameter of the synthesizer by group and index.

    Groups 0 to 8 are program groups (their values lie in a program's bytes),
    groups 9 to 18 are global groups (their values lie in the global data block).
*/
struct ParameterId
{
    constexpr ParameterId() noexcept = default;

    /** Numbers that do not fit 16 bits become -1, which names no group and no
        record, so that a wild int never wraps round to a real parameter. */
    constexpr ParameterId (int groupNumber, int indexInGroup) noexcept
        : group (toInt16OrInvalid (groupNumber))
        , index (toInt16OrInvalid (indexInGroup))
    {
    }

    std::int16_t group = 0;
    std::int16_t index = 0;

private:
    static constexpr std::int16_t toInt16OrInvalid (int value) noexcept
    {
        if (value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            return -1;

        return static_cast<std::int16_t> (value);
    }
};

constexpr bool operator== (ParameterId a, ParameterId b) noexcept
{
    return a.group == b.group && a.index == b.index;
}

constexpr bool operator!= (ParameterId a, ParameterId b) noexcept
{
    return !(a == b);
}

} // namespace xTV200_data
