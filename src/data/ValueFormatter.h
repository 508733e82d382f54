#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** A list of value names, indexed by value - minimum. */
struct ValueNameList
{
    const char* const* names = nullptr;
    int numNames = 0;
};

/** One entry of the formatter table: how a clamped raw value becomes text.

    The inverse transform turns a shown value back into a raw one; it is kept
    for entering values as text and is not used when showing.
*/
struct ValueFormatter
{
    using Transform = int (*) (int value);
    using TextFunction = juce::String (*) (int value);

    Transform transform = nullptr;
    Transform inverseTransform = nullptr;
    TextFunction text = nullptr;
    ValueNameList names;
};

constexpr int numValueFormatters = 85;

/** The formatter with this number, or nullptr outside 0 to 84. */
const ValueFormatter* getValueFormatter (int formatter) noexcept;

} // namespace xTV200_data
