#include "app/gui/DialogCommandPerformer.h"

#include "app/LocalizedText.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/PreferencesDataUpdater.h"
#include "midi/MidiDeviceManager.h"
#include "ui/AboutComponent.h"
#include "ui/ModalDialogRunner.h"
#include "ui/PreferencesEditComponent.h"
#include "ui/WriteWarningComponent.h"
#include "ui/state/ModalDialogState.h"

namespace xTV200_menu
{
namespace
{
/** Shows the content as the modal dialog unless one is already open; 0 then. */
int runDialog (const juce::String& titleKey, juce::Component& content)
{
    ui::ModalDialogState::Guard guard;
    if (guard.isBusy())
        return 0;

    return ui::ModalDialogRunner::run (getLocalizedText (titleKey), content);
}

xTV200_preferences::PreferencesData& getPreferences()
{
    return *xTV200_preferences::PreferencesData::getInstance();
}
} // namespace

void DialogCommandPerformer::showPreferences()
{
    if (ui::ModalDialogState::getInstance()->isModal())
        return;

    ui::PreferencesEditComponent editor;
    if (runDialog ("PreferencesDialogTitle", editor) != 0)
        applyPreferences();
}

void DialogCommandPerformer::applyPreferences()
{
    namespace keys = xTV200_preferences::PreferenceKeys;

    getPreferences().save();

    const xTV200_preferences::PreferencesDataUpdater updater;
    updater.applyMidiPortSettings();

    if (getPreferences().getBool (keys::MidiPortAutoScan, true))
        midi::MidiDeviceManager::getInstance()->startScan();

    updater.applyListFontSize();
}

void DialogCommandPerformer::showAbout()
{
    if (ui::ModalDialogState::getInstance()->isModal())
        return;

    ui::AboutComponent about;
    runDialog ("AboutDialogTitle", about);
}

bool DialogCommandPerformer::confirmWrite()
{
    if (! getPreferences().getBool (xTV200_preferences::PreferenceKeys::WarnBeforeWriting, true))
        return true;

    if (ui::ModalDialogState::getInstance()->isModal())
        return false;

    ui::WriteWarningComponent warning;
    return runDialog ("WriteWarningDialogTitle", warning) != 0;
}
} // namespace xTV200_menu
