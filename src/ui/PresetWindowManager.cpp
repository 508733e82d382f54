#include "ui/PresetWindowManager.h"

#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"

namespace xTV200_ui
{
namespace
{
    void storeShowPresetWindow (bool isOpen)
    {
        xTV200_preferences::PreferencesData::getInstance()->setBool (
            xTV200_preferences::PreferenceKeys::ShowPresetWindow, isOpen);
    }
} // namespace

PresetWindowManager::~PresetWindowManager()
{
    deleteWindowKeepingSetting();
}

void PresetWindowManager::openWindow()
{
    JUCE_ASSERT_MESSAGE_THREAD
    cancelPendingUpdate();

    if (window != nullptr)
        return;

    window = std::make_unique<PresetWindow>();
    storeShowPresetWindow (true);
}

void PresetWindowManager::openOrBringToFront()
{
    if (window != nullptr)
    {
        cancelPendingUpdate();
        window->toFront (true);
        return;
    }

    openWindow();
}

void PresetWindowManager::deleteWindowKeepingSetting()
{
    cancelPendingUpdate();
    window.reset();
}

void PresetWindowManager::handleAsyncUpdate()
{
    if (window == nullptr)
        return;

    window.reset();
    storeShowPresetWindow (false);
}
} // namespace xTV200_ui
