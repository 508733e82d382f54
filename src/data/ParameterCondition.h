#pragma once

#include <cstdint>

namespace xTV200_data
{
/** When a parameter means something: a test on the raw value of another
    parameter of the same group, read from the same data block.

    The default condition always holds; unused records carry `never`.
*/
struct ParameterCondition
{
    enum class Test : std::uint8_t
    {
        always,
        never,
        equal,    ///< value == low
        notEqual, ///< value != low
        atLeast,  ///< value >= low
        inRange   ///< low <= value <= high
    };

    /** True when the tested parameter's raw value satisfies the condition. */
    constexpr bool isSatisfiedBy (int value) const noexcept
    {
        switch (test)
        {
        case Test::always:
            return true;
        case Test::never:
            return false;
        case Test::equal:
            return value == low;
        case Test::notEqual:
            return value != low;
        case Test::atLeast:
            return value >= low;
        case Test::inRange:
            return value >= low && value <= high;
        }

        return false;
    }

    /** True when the condition depends on another parameter's value. */
    constexpr bool readsAParameter() const noexcept { return test != Test::always && test != Test::never; }

    Test test = Test::always;
    std::int16_t index = 0; ///< the tested parameter, in the same group
    std::int16_t low = 0;
    std::int16_t high = 0;
};

} // namespace xTV200_data
