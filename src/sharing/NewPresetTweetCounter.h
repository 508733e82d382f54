#pragma once

namespace xTV200_twitter
{
/** How many tweets about one program of a preset arrived that the user has
    not looked at yet. The program list shows the count as a badge.

    Kept narrow so the list does not depend on the tweet search and its log.
*/
class NewPresetTweetCounter
{
public:
    virtual ~NewPresetTweetCounter() = default;

    /** The number of unread tweets about program programIndex of preset
        presetIndex; 0 when there are none or the indexes are unknown. */
    virtual int getNewTweetCount (int presetIndex, int programIndex) const = 0;
};
} // namespace xTV200_twitter
