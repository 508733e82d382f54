#include "app/gui/ApplicationMenuManager.h"

#include "app/ApplicationUndoManager.h"
#include "app/DebugModeModel.h"
#include "app/LocalizedText.h"
#include "ui/state/ModalDialogState.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_menu
{
namespace
{
// A zero in an item list stands for a separator.
constexpr int separator = 0;

const xTV200_application::DebugModeModel& getDebugMode()
{
    return *xTV200_application::DebugModeModel::getInstance();
}
} // namespace

ApplicationMenuManager::ApplicationMenuManager()
{
    commandManager.registerAllCommandsForTarget (&commands);
    setApplicationCommandManagerToWatch (&commandManager);
    commandManager.setFirstCommandTarget (&commands);
    ui::SelectedProgramStatus::getInstance()->addObserver (this);
    ui::ModalDialogState::getInstance()->addObserver (this);
    application::ApplicationUndoManager::getInstance()->addChangeListener (this);
}

ApplicationMenuManager::~ApplicationMenuManager()
{
    // At shutdown the watched objects may already be gone; never recreate them.
    if (auto* undoManager = application::ApplicationUndoManager::getInstanceWithoutCreating())
        undoManager->removeChangeListener (this);
    if (auto* modalState = ui::ModalDialogState::getInstanceWithoutCreating())
        modalState->removeObserver (this);
    if (auto* selection = ui::SelectedProgramStatus::getInstanceWithoutCreating())
        selection->removeObserver (this);

    commandManager.setFirstCommandTarget (nullptr);
    setApplicationCommandManagerToWatch (nullptr);
}

juce::StringArray ApplicationMenuManager::getMenuBarNames()
{
    return { getLocalizedText ("MenuCategoryFile"), getLocalizedText ("MenuCategoryEdit"),
             getLocalizedText ("MenuCategoryMidi"), getLocalizedText ("MenuCategoryOption") };
}

juce::PopupMenu ApplicationMenuManager::getMenuForIndex (int topLevelMenuIndex, const juce::String&)
{
    using C = ApplicationMenuCommands;
    juce::PopupMenu menu;

    switch (topLevelMenuIndex)
    {
        case 0: return makeFileMenu();
        case 1: addItems (menu, { C::editUndo, C::editRedo, separator, C::editCut, C::editCopy, C::editPaste, C::editClear }); break;
        case 2: addItems (menu, { C::midiReceiveLibrary, C::midiWriteLibrary, separator, C::midiReceiveProgram, C::midiWriteProgram }); break;
        case 3: return makeOptionMenu();
        default: break;
    }
    return menu;
}

juce::PopupMenu ApplicationMenuManager::makeFileMenu()
{
    using C = ApplicationMenuCommands;
    juce::PopupMenu menu;
    addItems (menu, { C::fileNew, C::fileOpen, C::fileSave, C::fileSaveAs, separator, C::fileLoadProgram, C::fileSaveProgram });

    if (getDebugMode().developerMode)
        addItems (menu, { separator, C::fileImportTonexaFile, C::fileSavePreset });

    addItems (menu, { separator, C::fileExit });
    return menu;
}

juce::PopupMenu ApplicationMenuManager::makeOptionMenu()
{
    using C = ApplicationMenuCommands;
    juce::PopupMenu menu;
    addItems (menu, { C::optionOpenPresetWindow, separator, C::optionPreferences, C::optionTwitterAccount, separator, C::optionAbout });

    if (getDebugMode().debugMode)
        addItems (menu, { separator, C::optionOpenDebugWindow });

    return menu;
}

void ApplicationMenuManager::addItems (juce::PopupMenu& menu, std::initializer_list<int> commandIDs)
{
    for (auto id : commandIDs)
    {
        if (id == separator)
            menu.addSeparator();
        else
            menu.addCommandItem (&commandManager, id);
    }
}
} // namespace xTV200_menu
