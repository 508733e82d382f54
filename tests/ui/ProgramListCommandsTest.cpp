#include "ProgramListFixture.h"
#include "app/InMemoryProgramClipboard.h"
#include "app/gui/ApplicationMenuManager.h"
#include "ui/ProgramListItemComponent.h"

namespace
{
using Commands = xTV200_menu::ApplicationMenuCommands;

/** The edit commands as the menus and shortcuts send them, on the rows
    selected in the list. */
class ProgramListCommandsTest : public test::ProgramListFixture
{
protected:
    void SetUp() override
    {
        createMenuLayer = [] { xTV200_menu::ApplicationMenuManager::getInstance(); };
        ProgramListFixture::SetUp();
        xTV200_menu::ApplicationMenuManager::getInstance()->getCommands().setProgramClipboard (&clipboard);
    }

    void TearDown() override
    {
        xTV200_menu::ApplicationMenuManager::getInstance()->getCommands().setProgramClipboard (nullptr);
        ProgramListFixture::TearDown();
    }

    bool invoke (int commandID)
    {
        const auto done = xTV200_menu::ApplicationMenuManager::getInstance()->getCommandManager().invokeDirectly (
            commandID, false);
        test::deliverPendingMessages();
        return done;
    }

    /** The name the list shows in the row. */
    juce::String shownName (int row)
    {
        auto* cell = dynamic_cast<xTV200_ui::ProgramListItemComponent*> (list().getCellComponent (2, row));
        return cell != nullptr ? cell->getProgramName().trim() : "(no cell)";
    }

    application::InMemoryProgramClipboard clipboard;
};

TEST_F (ProgramListCommandsTest, CutCopyPasteAndClearWorkOnTheSelectedRowsAndTheListFollows)
{
    const auto initialName = xTV200_data::ProgramData().getName().trim();

    select ({2});
    ASSERT_TRUE (invoke (Commands::editCopy));
    select ({5});
    ASSERT_TRUE (invoke (Commands::editPaste));
    EXPECT_EQ (nameAt (5), "P2");
    EXPECT_EQ (shownName (5), "P2");

    select ({3});
    ASSERT_TRUE (invoke (Commands::editCut));
    EXPECT_EQ (nameAt (3), initialName);
    EXPECT_EQ (shownName (3), initialName);

    select ({6, 7});
    ASSERT_TRUE (invoke (Commands::editClear));
    EXPECT_EQ (shownName (6), initialName);
    EXPECT_EQ (shownName (7), initialName);
    EXPECT_EQ (shownName (8), "P8");

    ASSERT_TRUE (invoke (Commands::editUndo));
    EXPECT_EQ (shownName (6), "P6");
    EXPECT_EQ (shownName (7), "P7");
}
} // namespace
