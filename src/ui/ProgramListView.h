#pragma once

#include "sharing/UnavailableNewPresetTweetCounter.h"
#include "twitter/UnavailableTwitterAccountState.h"
#include "ui/ProgramListItemComponent.h"
#include "ui/ProgramListViewInterface.h"

namespace xTV200_ui
{
/** The program list's columns: slot number, name and category of each of
    the library's programs, white on black. The name cell is a
    ProgramListItemComponent, which also carries the sharing marks. */
class ProgramListView final : public ui::ProgramListViewInterface
{
public:
    enum ColumnIds
    {
        numberColumn = 1,
        nameColumn = 2,
        categoryColumn = 3
    };

    /** library must outlive the view. */
    explicit ProgramListView (const xTV200_data::LibraryData& library);

    int getNumRows() override;
    int getNumColumns() override { return 3; }
    juce::String getColumnName (int columnId) override;
    int getColumnWidth (int columnId) override;
    int getColumnMinimumWidth (int) override { return 20; }
    int getColumnPropertyFlags (int) override;

    void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected,
                                              juce::Component* existingComponent) override;

    /** The account whose authorization allows tweeting; null: none. Not owned. */
    void setTwitterAccountState (const twitter::TwitterAccountState* account) noexcept;

    /** Where the new-tweet counts come from; null: never any. Not owned. */
    void setNewPresetTweetCounter (const xTV200_twitter::NewPresetTweetCounter* counter) noexcept;

    /** What the tweet button of the selected row opens. */
    void setTweetDialogLauncher (std::function<void (int presetIndex, int programIndex)> launcher);

private:
    const xTV200_data::LibraryData& library;
    twitter::UnavailableTwitterAccountState noAccount;
    xTV200_twitter::UnavailableNewPresetTweetCounter noNewTweets;
    ProgramListItemComponent::Sharing sharing;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramListView)
};
} // namespace xTV200_ui
