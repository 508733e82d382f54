#include "app/StartupSingletons.h"

#include "app/ApplicationUndoManager.h"
#include "app/CTRVResource.h"
#include "app/CurrentLanguageModel.h"
#include "app/DataEditStatus.h"
#include "app/DebugModeModel.h"
#include "app/LastSavedFileStatus.h"
#include "app/LocalizedText.h"
#include "app/PreferencesData.h"
#include "app/PreferencesDataChangeBroadcaster.h"
#include "app/PreferencesDefaults.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "data/DataChangeBroadcaster.h"
#include "data/PresetDataChangeBroadcaster.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiDeviceManager.h"
#include "ui/state/ModalDialogState.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_application
{
bool StartupSingletons::createInStartupOrder (const std::function<void()>& createMenuLayer)
{
    const bool isJapanese = getLocalizedText ("Common_Language") == "ja";
    CurrentLanguageModel::getInstance()->isJapanese = isJapanese;

    xTV200_preferences::storePreferenceDefaults (*xTV200_preferences::PreferencesData::getInstance());

    CTRVResource::getInstance();
    midi::MidiDeviceManager::getInstance();
    xTV200_preferences::PreferencesData::getInstance();
    application::PreferencesDataChangeBroadcaster::getInstance();
    xTV200_data::DataCenter::getInstance();

    DebugModeModel::getInstance()->readMarkerFiles (
        xTV200_preferences::PreferencesData::getPreferencesFolder());

    ui::SelectedProgramStatus::getInstance();
    xTV200_data::CurrentProgramData::getInstance();
    jassert (application::ApplicationUndoManager::getInstanceWithoutCreating() != nullptr);
    ui::ModalDialogState::getInstance();

    if (createMenuLayer)
        createMenuLayer();

    data::DataChangeBroadcaster::getInstance();
    data::PresetDataChangeBroadcaster::getInstance();
    application::DataEditStatus::getInstance();
    application::LastSavedFileStatus::getInstance();

    return isJapanese;
}

void StartupSingletons::configureMidi()
{
    auto* devices = midi::MidiDeviceManager::getInstance();
    devices->setTargetFamilyId (synthesizerFamilyId);
    devices->applyPortPreferences();

    // From here on every change of the current program is heard on the synthesizer.
    xTV200_midi::MidiCommunicationManager::getInstance();
}
} // namespace xTV200_application
