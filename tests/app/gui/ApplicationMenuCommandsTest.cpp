#include "app/ApplicationUndoManager.h"
#include "app/LocalizedText.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/gui/ApplicationMenuManager.h"
#include "support/FreshSingletons.h"
#include "twitter/TwitterAccountState.h"
#include "app/DebugModeModel.h"
#include "ui/ModalDialogRunner.h"
#include "ui/state/ModalDialogState.h"
#include "ui/state/SelectedProgramStatus.h"

#include <gtest/gtest.h>

namespace
{
using Commands = xTV200_menu::ApplicationMenuCommands;

class FakeAccountState final : public twitter::TwitterAccountState
{
public:
    bool isAuthorized() const override { return authorized; }
    juce::String getUserName() const override { return {}; }
    void disconnect() override { authorized = false; }

    bool authorized = true;
};

/** An undoable edit that counts how often it was done and undone. */
class CountingAction final : public juce::UndoableAction
{
public:
    explicit CountingAction (int& counterToUse) : counter (counterToUse) {}
    bool perform() override { ++counter; return true; }
    bool undo() override { --counter; return true; }

private:
    int& counter;
};

class ApplicationMenuCommandsTest : public test::FreshSingletons
{
protected:
    juce::ApplicationCommandInfo infoOf (int id)
    {
        juce::ApplicationCommandInfo info (id);
        commands.getCommandInfo (id, info);
        return info;
    }

    bool isActive (int id) { return (infoOf (id).flags & juce::ApplicationCommandInfo::isDisabled) == 0; }

    Commands commands;
};

/** The command manager's key mappings watch the desktop; the desktop must
    exist before the manager so that it is deleted after it at shutdown, as
    in the running application. */
void createDesktopFirst()
{
    juce::Desktop::getInstance();
}

TEST_F (ApplicationMenuCommandsTest, SelectionRulesFollowTheNumberOfSelectedPrograms)
{
    struct Case
    {
        int id;
        bool withNone, withOne, withTwo;
    };
    const Case cases[] {
        { Commands::fileLoadProgram, false, true, false },   { Commands::fileSaveProgram, false, true, false },
        { Commands::editCut, false, true, false },           { Commands::editCopy, false, true, false },
        { Commands::editPaste, false, true, false },         { Commands::editClear, false, true, true },
        { Commands::midiReceiveProgram, false, true, true }, { Commands::midiWriteProgram, false, true, true },
        { Commands::fileNew, true, true, true },             { Commands::midiWriteLibrary, true, true, true },
        { Commands::optionPreferences, true, true, true },   { Commands::optionOpenDebugWindow, true, true, true },
    };
    const std::vector<int> selections[] { {}, { 4 }, { 4, 9 } };

    for (size_t s = 0; s < 3; ++s)
    {
        ui::SelectedProgramStatus::getInstance()->setSelection (selections[s]);
        for (const auto& c : cases)
        {
            const bool expected = s == 0 ? c.withNone : (s == 1 ? c.withOne : c.withTwo);
            EXPECT_EQ (isActive (c.id), expected) << "command " << c.id << " with " << s << " selected";
        }
    }
}

TEST_F (ApplicationMenuCommandsTest, UndoAndRedoFollowTheHistory)
{
    auto& undoManager = *application::ApplicationUndoManager::getInstance();
    int counter = 0;
    EXPECT_FALSE (isActive (Commands::editUndo));

    undoManager.beginNewTransaction();
    undoManager.perform (new CountingAction (counter));
    EXPECT_TRUE (isActive (Commands::editUndo));
    EXPECT_FALSE (isActive (Commands::editRedo));

    commands.perform (juce::ApplicationCommandTarget::InvocationInfo (Commands::editUndo));
    EXPECT_EQ (counter, 0);
    EXPECT_TRUE (isActive (Commands::editRedo));
}

TEST_F (ApplicationMenuCommandsTest, WhileModalEverythingIsDisabledAndPerformDoesNothing)
{
    auto& undoManager = *application::ApplicationUndoManager::getInstance();
    int counter = 0;
    undoManager.beginNewTransaction();
    undoManager.perform (new CountingAction (counter));
    int presetCalls = 0;
    commands.setOpenPresetWindowCallback ([&] { ++presetCalls; });

    ui::ModalDialogState::getInstance()->setModal (true);

    for (int id = 1; id <= Commands::numCommands; ++id)
        EXPECT_FALSE (isActive (id)) << "command " << id;

    for (auto id : { Commands::editUndo, Commands::optionOpenPresetWindow, Commands::editClear })
        EXPECT_TRUE (commands.perform (juce::ApplicationCommandTarget::InvocationInfo (id)));

    EXPECT_EQ (counter, 1);
    EXPECT_EQ (presetCalls, 0);
    EXPECT_TRUE (undoManager.canUndo());

    ui::ModalDialogState::getInstance()->setModal (false);
    commands.perform (juce::ApplicationCommandTarget::InvocationInfo (Commands::optionOpenPresetWindow));
    EXPECT_EQ (presetCalls, 1);
}

TEST_F (ApplicationMenuCommandsTest, TwitterCommandNameFollowsTheAccountState)
{
    auto& preferences = *xTV200_preferences::PreferencesData::getInstance();
    FakeAccountState account;

    EXPECT_EQ (infoOf (Commands::optionTwitterAccount).shortName, getLocalizedText ("MenuOptionEnableTwitterAccount"));

    commands.setTwitterAccountState (&account);
    preferences.setString (xTV200_preferences::PreferenceKeys::TwitterUserName, "someone");
    EXPECT_EQ (infoOf (Commands::optionTwitterAccount).shortName,
               getLocalizedText ("MenuOptionDisableTwitterAccountPrefix") + " @someone "
                   + getLocalizedText ("MenuOptionDisableTwitterAccountSuffix"));

    preferences.setString (xTV200_preferences::PreferenceKeys::TwitterUserName, {});
    EXPECT_EQ (infoOf (Commands::optionTwitterAccount).shortName,
               getLocalizedText ("MenuOptionDisableTwitterAccountWithNoName"));

    account.authorized = false;
    EXPECT_EQ (infoOf (Commands::optionTwitterAccount).shortName, getLocalizedText ("MenuOptionEnableTwitterAccount"));
    EXPECT_FALSE (getLocalizedText ("MenuOptionEnableTwitterAccount").isEmpty());
    commands.setTwitterAccountState (nullptr);
}

TEST_F (ApplicationMenuCommandsTest, KeyMappingsMapRedoAndPreferences)
{
    createDesktopFirst();
    auto* manager = xTV200_menu::ApplicationMenuManager::getInstance();
    auto* mappings = manager->getCommandManager().getKeyMappings();
    const auto ctrl = juce::ModifierKeys::commandModifier;
    const auto ctrlShift = ctrl | juce::ModifierKeys::shiftModifier;

    EXPECT_EQ (mappings->findCommandForKeyPress (juce::KeyPress ('z', ctrlShift, 0)), Commands::editRedo);
    EXPECT_EQ (mappings->findCommandForKeyPress (juce::KeyPress ('Z', ctrlShift, 0)), Commands::editRedo);
    EXPECT_EQ (mappings->findCommandForKeyPress (juce::KeyPress ('z', ctrl, 0)), Commands::editUndo);
    EXPECT_EQ (mappings->findCommandForKeyPress (juce::KeyPress (',', ctrl, 0)), Commands::optionPreferences);
    EXPECT_EQ (mappings->findCommandForKeyPress (juce::KeyPress ('S', ctrlShift, 0)), Commands::fileSaveAs);
}
TEST_F (ApplicationMenuCommandsTest, DisconnectAsksFirstAndOnlyOkForgetsTheAccount)
{
    FakeAccountState account;
    commands.setTwitterAccountState (&account);
    juce::String shownTitle;

    for (const int answer : { 0, 1 })
    {
        ui::ModalDialogRunner::ScopedResponder responder ([&] (const juce::String& title, juce::Component&) {
            shownTitle = title;
            return answer;
        });
        commands.perform (juce::ApplicationCommandTarget::InvocationInfo (Commands::optionTwitterAccount));
        EXPECT_EQ (shownTitle, getLocalizedText ("DeleteTwitterAccountConfirmDialogTitle"));
        EXPECT_EQ (account.authorized, answer == 0) << "answer " << answer;
    }
    commands.setTwitterAccountState (nullptr);
}

class ApplicationMenuManagerTest : public test::FreshSingletons
{
protected:
    /** The command ids of a menu's items, 0 for each separator. */
    void SetUp() override
    {
        test::FreshSingletons::SetUp();
        createDesktopFirst();
    }

    std::vector<int> itemsOf (int menuIndex)
    {
        auto menu = xTV200_menu::ApplicationMenuManager::getInstance()->getMenuForIndex (menuIndex, {});
        std::vector<int> ids;
        for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
            ids.push_back (it.getItem().isSeparator ? 0 : it.getItem().itemID);
        return ids;
    }

    void setModes (bool developer, bool debug)
    {
        auto& model = *xTV200_application::DebugModeModel::getInstance();
        model.developerMode = developer;
        model.debugMode = debug;
    }

    void TearDown() override
    {
        setModes (false, false);
        test::FreshSingletons::TearDown();
    }
};

TEST_F (ApplicationMenuManagerTest, MenusShowTheDeveloperAndDebugItemsOnlyInTheirModes)
{
    setModes (false, false);
    EXPECT_EQ (itemsOf (0), (std::vector<int> { 1, 2, 3, 4, 0, 5, 6, 0, 9 }));
    EXPECT_EQ (itemsOf (1), (std::vector<int> { 10, 11, 0, 12, 13, 14, 15 }));
    EXPECT_EQ (itemsOf (2), (std::vector<int> { 16, 17, 0, 18, 19 }));
    EXPECT_EQ (itemsOf (3), (std::vector<int> { 22, 0, 20, 21, 0, 23 }));

    setModes (true, true);
    EXPECT_EQ (itemsOf (0), (std::vector<int> { 1, 2, 3, 4, 0, 5, 6, 0, 7, 8, 0, 9 }));
    EXPECT_EQ (itemsOf (3), (std::vector<int> { 22, 0, 20, 21, 0, 23, 0, 25 }));
}

TEST_F (ApplicationMenuManagerTest, MenuItemsTakeNamesAndEnabledStatesFromTheCommands)
{
    auto* manager = xTV200_menu::ApplicationMenuManager::getInstance();
    EXPECT_EQ (manager->getMenuBarNames()[2], getLocalizedText ("MenuCategoryMidi"));

    setModes (false, true);
    const auto optionMenu = manager->getMenuForIndex (3, {});
    juce::String debugItemText;
    for (juce::PopupMenu::MenuItemIterator it (optionMenu); it.next();)
        if (it.getItem().itemID == Commands::optionOpenDebugWindow)
            debugItemText = it.getItem().text;
    EXPECT_EQ (debugItemText, "Open Debug Window");

    int enabledBeforeModal = 0;
    const auto fileMenu = manager->getMenuForIndex (0, {});
    for (juce::PopupMenu::MenuItemIterator it (fileMenu); it.next();)
        enabledBeforeModal += it.getItem().isEnabled && ! it.getItem().isSeparator ? 1 : 0;
    EXPECT_GT (enabledBeforeModal, 0);

    ui::ModalDialogState::getInstance()->setModal (true);
    const auto modalMenu = manager->getMenuForIndex (0, {});
    for (juce::PopupMenu::MenuItemIterator it (modalMenu); it.next();)
    {
        if (! it.getItem().isSeparator)
        {
            EXPECT_FALSE (it.getItem().isEnabled) << it.getItem().itemID;
        }
    }
}
} // namespace
