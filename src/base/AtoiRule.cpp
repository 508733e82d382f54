#include "base/AtoiRule.h"

#include <limits>

int parseAtoiRule (const juce::String& text) noexcept
{
    auto p = text.getCharPointer();

    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v')
        ++p;

    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;

    constexpr juce::int64 limit = juce::int64 { std::numeric_limits<int>::max() } + 1;
    juce::int64 magnitude = 0;

    for (; *p >= '0' && *p <= '9'; ++p)
        magnitude = juce::jmin (limit, magnitude * 10 + (*p - '0'));

    const auto value = negative ? -magnitude : magnitude;
    return static_cast<int> (juce::jlimit<juce::int64> (std::numeric_limits<int>::min(),
                                                        std::numeric_limits<int>::max(), value));
}
