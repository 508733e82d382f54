#include "app/ApplicationStartupProcess.h"

#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "midi/MidiDeviceManager.h"

namespace xTV200_application
{
ApplicationStartupProcess::ApplicationStartupProcess (Steps stepsToRun)
    : steps (std::move (stepsToRun))
{
    midi::MidiDeviceManager::getInstance()->addObserver (this);
}

ApplicationStartupProcess::~ApplicationStartupProcess()
{
    cancelPendingUpdate();

    if (auto* devices = midi::MidiDeviceManager::getInstanceWithoutCreating())
        devices->removeObserver (this);
}

void ApplicationStartupProcess::start()
{
    using namespace xTV200_preferences;

    if (finished)
        return;

    if (PreferencesData::getInstance()->getBool (PreferenceKeys::ShowPresetWindow, false) && steps.reopenPresetWindow)
        steps.reopenPresetWindow();

    if (PreferencesData::getInstance()->getBool (PreferenceKeys::MidiPortAutoScan, true))
        midi::MidiDeviceManager::getInstance()->startScan();
    else
        triggerAsyncUpdate();
}

void ApplicationStartupProcess::scanFinished()
{
    triggerAsyncUpdate();
}

void ApplicationStartupProcess::handleAsyncUpdate()
{
    using namespace xTV200_preferences;

    if (finished)
        return;

    if (! fileOpenedFromCommandLine &&
        PreferencesData::getInstance()->getBool (PreferenceKeys::AutoReceive, true) && steps.receiveLibrary)
        steps.receiveLibrary();

    finished = true;

    if (steps.startTwitter)
        steps.startTwitter();
}
} // namespace xTV200_application
