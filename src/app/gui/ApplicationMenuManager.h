#pragma once

#include "app/gui/ApplicationMenuCommands.h"
#include "base/Singleton.h"
#include "ui/state/ModalDialogStateObserver.h"
#include "ui/state/SelectedProgramStatusObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_menu
{
/** A base that creates the desktop before the object that derives from it is
    listed for deletion at shutdown, so that the desktop is deleted after it. */
struct DesktopCreatedFirst
{
    DesktopCreatedFirst() { juce::Desktop::getInstance(); }
};

/** The librarian's menu bar and its one command manager.
    It enters every command into the command manager and watches what the
    commands' enabled states and names depend on: the program selection, the
    modal dialog state and the undo history. Each change tells the menu bars
    (asynchronously) to ask again.
    Its key mappings watch the desktop; the desktop is therefore created
    first, whoever asks for the manager first.
*/
class ApplicationMenuManager final : public Singleton<ApplicationMenuManager>,
                                     public ui::SelectedProgramStatusObserver,
                                     public ui::ModalDialogStateObserver,
                                     public juce::ChangeListener,
                                     public juce::MenuBarModel,
                                     private DesktopCreatedFirst,
                                     private juce::DeletedAtShutdown
{
public:
    ApplicationMenuManager();
    ~ApplicationMenuManager() override;

    juce::ApplicationCommandManager& getCommandManager() noexcept { return commandManager; }
    ApplicationMenuCommands& getCommands() noexcept { return commands; }

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int topLevelMenuIndex, const juce::String& menuName) override;

    /** Command items are invoked by the command manager, not from here. */
    void menuItemSelected (int, int) override {}

    void selectionChanged() override { menuItemsChanged(); }
    void modalStateChanged() override { menuItemsChanged(); }
    void changeListenerCallback (juce::ChangeBroadcaster*) override { menuItemsChanged(); }

private:
    juce::PopupMenu makeFileMenu();
    juce::PopupMenu makeOptionMenu();
    void addItems (juce::PopupMenu& menu, std::initializer_list<int> commandIDs);

    juce::ApplicationCommandManager commandManager;
    ApplicationMenuCommands commands;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ApplicationMenuManager)
};
} // namespace xTV200_menu
