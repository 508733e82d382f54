#include "ProgramListFixture.h"
#include "ui/ProgramListItemComponent.h"
#include "ui/state/ModalDialogState.h"

namespace
{
class FakeAccount final : public twitter::TwitterAccountState
{
public:
    bool isAuthorized() const override { return authorized; }
    juce::String getUserName() const override { return "someone"; }
    void disconnect() override { authorized = false; }

    bool authorized = true;
};

class FakeCounter final : public xTV200_twitter::NewPresetTweetCounter
{
public:
    int getNewTweetCount (int presetIndex, int programIndex) const override
    {
        return presetIndex == 0 && programIndex == 7 ? 3 : 0;
    }
};

/** Slot 4 holds program 7 of the one installed preset, slot 5 a program of no preset. */
class ProgramListSharingTest : public test::ProgramListFixture
{
protected:
    void SetUp() override
    {
        ProgramListFixture::SetUp();
        xTV200_data::PresetData preset;
        test::nameProgram (preset.getProgram (7), "Bell Tower");
        xTV200_data::DataCenter::getInstance()->getPresets().append (preset);
        library().getProgram (4) = preset.getProgram (7);

        pane->setTwitterAccountState (&account);
        pane->setNewPresetTweetCounter (&counter);
        pane->setTweetDialogLauncher ([this] (int presetIndex, int programIndex) {
            shown.push_back ({presetIndex, programIndex});
            modalWhileShown = ui::ModalDialogState::getInstance()->isModal();
        });
    }

    xTV200_ui::ProgramListItemComponent& item (int row)
    {
        auto* cell = dynamic_cast<xTV200_ui::ProgramListItemComponent*> (list().getCellComponent (2, row));
        if (cell == nullptr)
            throw std::runtime_error ("no name cell in row " + std::to_string (row));
        return *cell;
    }

    /** For rows 4 and 5: badge visible, badge text, tweet button visible. */
    std::vector<std::tuple<bool, juce::String, bool>> marks()
    {
        std::vector<std::tuple<bool, juce::String, bool>> result;
        for (int row : {4, 5})
            result.emplace_back (item (row).getBadge().isVisible(), item (row).getBadge().getText(),
                                 item (row).getTweetButton().isVisible());
        return result;
    }

    FakeAccount account;
    FakeCounter counter;
    std::vector<std::pair<int, int>> shown;
    bool modalWhileShown = false;
};

TEST_F (ProgramListSharingTest, APresetProgramShowsItsNewTweetsUnlessSelected)
{
    using Marks = std::vector<std::tuple<bool, juce::String, bool>>;
    EXPECT_EQ (item (4).getProgramName().trim(), "Bell Tower");

    select ({0});
    EXPECT_EQ (marks(), (Marks {{true, "3", false}, {false, "0", false}}));

    select ({4});
    EXPECT_EQ (marks(), (Marks {{false, "3", true}, {false, "0", false}})) << "the selected row offers the button";

    select ({5});
    EXPECT_FALSE (item (5).getTweetButton().isVisible()) << "a program of no preset is never tweeted";

    account.authorized = false;
    pane->sharingStateChanged();
    select ({4});
    EXPECT_EQ (marks(), (Marks {{false, "0", false}, {false, "0", false}})) << "nothing without an account";
}

TEST_F (ProgramListSharingTest, TheTweetButtonTakesClicksOnlyWhereItIs)
{
    select ({4});
    auto& cell = item (4);
    const auto button = cell.getTweetButton().getBounds();

    EXPECT_TRUE (cell.hitTest (button.getCentreX(), button.getCentreY()));
    EXPECT_FALSE (cell.hitTest (20, cell.getHeight() / 2)) << "the name lets clicks through to the row";

    select ({5});
    const auto hidden = item (5).getTweetButton().getBounds();
    EXPECT_FALSE (item (5).hitTest (hidden.getCentreX(), hidden.getCentreY()));
}

TEST_F (ProgramListSharingTest, TheTweetButtonOpensTheDialogForItsPresetProgram)
{
    select ({4});
    ui::ModalDialogState::getInstance()->setModal (true);
    item (4).getTweetButton().triggerClick();
    test::deliverPendingMessages();
    EXPECT_TRUE (shown.empty()) << "not while another dialog is open";

    ui::ModalDialogState::getInstance()->setModal (false);
    item (4).getTweetButton().triggerClick();
    test::deliverPendingMessages();
    EXPECT_EQ (shown, (std::vector<std::pair<int, int>> {{0, 7}}));
    EXPECT_TRUE (modalWhileShown);
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->isModal());
}
} // namespace
