#pragma once

#include "data/LibraryData.h"
#include "sharing/NewPresetTweetCounter.h"
#include "twitter/TwitterAccountState.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace xTV200_ui
{
/** The name cell of a program list row. Besides the name it shows, for a
    program that is one of a preset's programs, the number of new tweets about
    it (on unselected rows) or a button to tweet about it (on the selected row).
    Clicks and drags anywhere but on that button go to the row underneath.
*/
class ProgramListItemComponent final : public juce::Component, private juce::Button::Listener
{
public:
    /** Where the sharing marks come from; null pointers mean no account and no new tweets. */
    struct Sharing
    {
        const twitter::TwitterAccountState* account = nullptr;
        const xTV200_twitter::NewPresetTweetCounter* newTweets = nullptr;

        /** Shows the tweet dialog for a preset program; run while the modal
            dialog state is held. */
        std::function<void (int presetIndex, int programIndex)> showTweetDialog;

        bool isAuthorized() const { return account != nullptr && account->isAuthorized(); }
    };

    /** Both must outlive the component. */
    ProgramListItemComponent (const xTV200_data::LibraryData& library, const Sharing& sharing);
    ~ProgramListItemComponent() override;

    /** Takes a row's state and works out the badge and the button again. */
    void update (int newRow, const juce::String& newName, bool isSelected, bool isTweetAllowed);

    int getRow() const noexcept { return row; }
    const juce::String& getProgramName() const noexcept { return name; }
    juce::Label& getBadge() noexcept { return badge; }
    juce::ImageButton& getTweetButton() noexcept { return tweetButton; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    bool hitTest (int x, int y) override;

private:
    void buttonClicked (juce::Button*) override;

    const xTV200_data::LibraryData& library;
    const Sharing& sharing;
    int row = -1;
    juce::String name;
    bool selected = false;
    bool tweetAllowed = false;
    juce::Label badge{"new label"};
    juce::ImageButton tweetButton{"tweet button"};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramListItemComponent)
};
} // namespace xTV200_ui
