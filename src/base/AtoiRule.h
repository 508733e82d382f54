#pragma once

#include <juce_core/juce_core.h>

/** Reads a number the way C's atoi does: leading blanks, an optional sign,
    then decimal digits up to the first other character; text that does not
    start so gives 0. Unlike atoi it cannot overflow: values beyond the int
    range are clamped to it.
*/
int parseAtoiRule (const juce::String& text) noexcept;
