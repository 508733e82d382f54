#include "app/gui/ApplicationMenuCommands.h"

#include "app/ApplicationUndoManager.h"
#include "app/LibraryEditProcessor.h"
#include "app/LocalizedText.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/gui/DialogCommandPerformer.h"
#include "app/gui/FileCommandPerformer.h"
#include "app/gui/MidiCommandPerformer.h"
#include "twitter/UnavailableTwitterAccountState.h"
#include "ui/AlertDialog.h"
#include "ui/state/ModalDialogState.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_menu
{
namespace
{
constexpr int ctrl = juce::ModifierKeys::commandModifier;
constexpr int ctrlShift = juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier;

struct RowSource
{
    const char* nameKey;
    const char* category;
    int keyCode;
    int modifiers;
};

// Indexed by command id - 1. Rows without a key have no shortcut; the name
// of 21 is worked out at every query and the debug item is never localized.
constexpr RowSource rowSources[ApplicationMenuCommands::numCommands] {
    { "MenuFileNew", "File", 'n', ctrl },
    { "MenuFileOpen", "File", 'o', ctrl },
    { "MenuFileSave", "File", 's', ctrl },
    { "MenuFileSaveAs", "File", 's', ctrlShift },
    { "MenuFileLoadProgram", "File", 0, 0 },
    { "MenuFileSaveProgram", "File", 0, 0 },
    { "MenuFileImportTonexaFile", "File", 0, 0 },
    { "MenuFileSavePreset", "File", 0, 0 },
    { "MenuFileExit", "File", 'q', ctrl },
    { "MenuEditUndo", "Edit", 'z', ctrl },
    { "MenuEditRedo", "Edit", 'z', ctrlShift },
    { "MenuEditCut", "Edit", 'x', ctrl },
    { "MenuEditCopy", "Edit", 'c', ctrl },
    { "MenuEditPaste", "Edit", 'v', ctrl },
    { "MenuEditClear", "Edit", 0, 0 },
    { "MenuMidiReceiveLibrary", "MIDI", 'l', ctrl },
    { "MenuMidiWriteLibrary", "MIDI", 't', ctrl },
    { "MenuMidiReceiveProgram", "MIDI", 0, 0 },
    { "MenuMidiWriteProgram", "MIDI", 0, 0 },
    { "MenuOptionPreferences", "Option", ',', ctrl },
    { nullptr, "Option", 0, 0 },
    { "MenuOptionOpenPresetWindow", "Option", 'p', ctrl },
    { "MenuOptionAbout", "Option", 0, 0 },
    { "MenuTwitterPostMovieTweet", "Twitter", 0, 0 },
    { nullptr, "Option", 0, 0 },
};

const std::vector<int>& getSelection()
{
    return ui::SelectedProgramStatus::getInstance()->getSelection();
}
} // namespace

ApplicationMenuCommands::ApplicationMenuCommands()
    : unavailableAccount (std::make_unique<twitter::UnavailableTwitterAccountState>()),
      account (unavailableAccount.get())
{
}

ApplicationMenuCommands::~ApplicationMenuCommands() = default;

juce::ApplicationCommandTarget* ApplicationMenuCommands::getNextCommandTarget()
{
    return juce::JUCEApplication::getInstance();
}

void ApplicationMenuCommands::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    for (int id = 1; id <= numCommands; ++id)
        commands.add (id);
}

void ApplicationMenuCommands::fillTableIfEmpty()
{
    if (tableFilled)
        return;

    for (size_t i = 0; i < table.size(); ++i)
    {
        const auto& source = rowSources[i];
        table[i] = { source.nameKey != nullptr ? getLocalizedText (source.nameKey) : juce::String(),
                     source.category, source.keyCode, source.modifiers };
    }
    table[optionOpenDebugWindow - 1].name = "Open Debug Window";
    tableFilled = true;
}

void ApplicationMenuCommands::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    if (commandID < 1 || commandID > numCommands)
        return;

    fillTableIfEmpty();
    const auto& row = table[(size_t) (commandID - 1)];
    const auto name = commandID == optionTwitterAccount ? getTwitterAccountCommandName() : row.name;
    result.setInfo (name, {}, row.category, 0);

    if (row.keyCode != 0)
        result.addDefaultKeypress (row.keyCode, juce::ModifierKeys (row.modifiers));

    result.setActive (isEnabled (commandID));
}

bool ApplicationMenuCommands::isEnabledBySelection (juce::CommandID commandID)
{
    const auto count = getSelection().size();

    switch (commandID)
    {
        case fileLoadProgram:
        case fileSaveProgram:
        case editCut:
        case editCopy:
        case editPaste:
            return count == 1;
        case editClear:
        case midiReceiveProgram:
        case midiWriteProgram:
            return count >= 1;
        default:
            return true;
    }
}

bool ApplicationMenuCommands::isEnabled (juce::CommandID commandID) const
{
    if (ui::ModalDialogState::getInstance()->isModal())
        return false;

    if (commandID == editUndo)
        return application::ApplicationUndoManager::getInstance()->canUndo();
    if (commandID == editRedo)
        return application::ApplicationUndoManager::getInstance()->canRedo();

    return isEnabledBySelection (commandID);
}

bool ApplicationMenuCommands::perform (const InvocationInfo& info)
{
    const auto id = info.commandID;
    if (id < 1 || id > numCommands)
        return false;

    // The shortcut of a disabled command still reaches us through the key
    // mappings' own paths; a modal dialog must stop it here as well.
    if (ui::ModalDialogState::getInstance()->isModal())
        return true;

    if (id <= fileExit)
        return performFileCommand (id);
    if (id <= editClear)
        return performEditCommand (id);
    if (id <= midiWriteProgram)
        return performMidiCommand (id);
    return performOptionCommand (id);
}

bool ApplicationMenuCommands::performFileCommand (juce::CommandID commandID)
{
    if (isEnabledBySelection (commandID))
        FileCommandPerformer().perform (commandID);
    return true;
}

bool ApplicationMenuCommands::performEditCommand (juce::CommandID commandID)
{
    auto& undoManager = *application::ApplicationUndoManager::getInstance();
    xTV200_application::LibraryEditProcessor editor;
    const auto& selection = getSelection();

    switch (commandID)
    {
        case editUndo: undoManager.undo(); break;
        case editRedo: undoManager.redo(); break;
        case editCut: if (selection.size() == 1) editor.cut (selection, *clipboard); break;
        case editCopy: if (selection.size() == 1) editor.copy (selection, *clipboard); break;
        case editPaste: if (selection.size() == 1) editor.paste (selection, *clipboard); break;
        case editClear: editor.clear (selection); break;
        default: break;
    }
    return true;
}

bool ApplicationMenuCommands::performMidiCommand (juce::CommandID commandID)
{
    const auto selection = getSelection();
    MidiCommandPerformer performer (&DialogCommandPerformer::confirmWrite);

    switch (commandID)
    {
        case midiReceiveLibrary: performer.receiveLibrary(); break;
        case midiWriteLibrary: performer.writeLibrary(); break;
        case midiReceiveProgram: performer.receiveSelectedPrograms (selection); break;
        case midiWriteProgram: performer.writeSelectedPrograms (selection); break;
        default: break;
    }
    return true;
}

bool ApplicationMenuCommands::performOptionCommand (juce::CommandID commandID)
{
    switch (commandID)
    {
        case optionPreferences: DialogCommandPerformer::showPreferences(); break;
        case optionTwitterAccount: performTwitterAccount(); break;
        case optionOpenPresetWindow: if (openPresetWindow) openPresetWindow(); break;
        case optionAbout: DialogCommandPerformer::showAbout(); break;
        case optionOpenDebugWindow: if (openDebugWindow) openDebugWindow(); break;
        default: break;
    }
    return true;
}

void ApplicationMenuCommands::setProgramClipboard (application::ProgramClipboard* clipboardToUse) noexcept
{
    clipboard = clipboardToUse != nullptr ? clipboardToUse : &ownClipboard;
}

void ApplicationMenuCommands::setTwitterAccountState (twitter::TwitterAccountState* stateToUse) noexcept
{
    account = stateToUse != nullptr ? stateToUse : unavailableAccount.get();
}

juce::String ApplicationMenuCommands::getTwitterAccountCommandName() const
{
    if (! account->isAuthorized())
        return getLocalizedText ("MenuOptionEnableTwitterAccount");

    const auto userName = xTV200_preferences::PreferencesData::getInstance()->getString (
        xTV200_preferences::PreferenceKeys::TwitterUserName);

    if (userName.isEmpty())
        return getLocalizedText ("MenuOptionDisableTwitterAccountWithNoName");

    return getLocalizedText ("MenuOptionDisableTwitterAccountPrefix") + " @" + userName + " "
           + getLocalizedText ("MenuOptionDisableTwitterAccountSuffix");
}

void ApplicationMenuCommands::performTwitterAccount()
{
    ui::AlertDialog alert;

    if (! account->isAuthorized())
    {
        // This build has no sharing client, so there is no authorization to offer.
        alert.showMessage (getLocalizedText ("TwitterAuthorizeDialogTitle"),
                           "Twitter sharing is not available in this build.");
        return;
    }

    if (alert.showOkCancel (getLocalizedText ("DeleteTwitterAccountConfirmDialogTitle"),
                            getLocalizedText ("DeleteTwitterAccountConfirm")))
        account->disconnect();
}
} // namespace xTV200_menu
