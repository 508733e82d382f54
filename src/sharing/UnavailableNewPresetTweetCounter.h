#pragma once

#include "sharing/NewPresetTweetCounter.h"

#include <juce_core/juce_core.h>

namespace xTV200_twitter
{
/** The counter of a build without the tweet search: nothing ever arrives. */
class UnavailableNewPresetTweetCounter final : public NewPresetTweetCounter
{
public:
    UnavailableNewPresetTweetCounter() = default;

    int getNewTweetCount (int, int) const override { return 0; }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (UnavailableNewPresetTweetCounter)
};
} // namespace xTV200_twitter
