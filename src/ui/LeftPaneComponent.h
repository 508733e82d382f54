#pragma once

#include "app/PreferencesDataChangeBroadcasterObserver.h"
#include "ui/ProgramListComponent.h"
#include "ui/ProgramListController.h"
#include "ui/ProgramListLookAndFeel.h"
#include "ui/ProgramListView.h"

namespace xTV200_ui
{
/** The main window's left pane: the program list of the data centre's
    library, with its row height taken from the preferences. */
class LeftPaneComponent final : public juce::Component,
                                public application::PreferencesDataChangeBroadcasterObserver
{
public:
    LeftPaneComponent();
    ~LeftPaneComponent() override;

    void resized() override;
    void preferencesChanged() override;

    /** What the sharing client tells when its account or the new-tweet counts
        change: the list's tweet marks follow. */
    void sharingStateChanged();

    /** The sharing account, the new-tweet counts and the tweet dialog the
        list's rows use; none of them is owned, and null pointers mean no
        account and no new tweets. */
    void setTwitterAccountState (const twitter::TwitterAccountState* account);
    void setNewPresetTweetCounter (const xTV200_twitter::NewPresetTweetCounter* counter);
    void setTweetDialogLauncher (std::function<void (int presetIndex, int programIndex)> launcher);

    ProgramListComponent& getProgramList() noexcept { return programList; }

    /** The row height the preferences ask for, at least 1. */
    static int getPreferredRowHeight();

private:
    ProgramListView view;
    ProgramListController controller;
    ProgramListLookAndFeel lookAndFeel;
    ProgramListComponent programList{view, controller};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LeftPaneComponent)
};
} // namespace xTV200_ui
