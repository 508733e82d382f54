#include "app/PreferencesDataUpdater.h"

#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/PreferencesDataChangeBroadcaster.h"

namespace xTV200_preferences
{
PreferencesDataUpdater::PreferencesDataUpdater() : PreferencesDataUpdater (*PreferencesData::getInstance()) {}

PreferencesDataUpdater::PreferencesDataUpdater (const PreferencesData& preferencesToRead)
    : preferences (preferencesToRead)
{
}

void PreferencesDataUpdater::applyMidiPortSettings() const
{
    if (midiPortTarget != nullptr)
        midiPortTarget->applyMidiPortSettings (readMidiPortSettings (preferences));
}

void PreferencesDataUpdater::applyListFontSize() const
{
    const auto height = getListFontHeight (preferences.getInt (PreferenceKeys::ProgramListHeight, 0));

    if (fontTarget != nullptr)
        for (const auto* fontName : listFontNames)
            fontTarget->setFontHeight (fontName, height);

    application::PreferencesDataChangeBroadcaster::getInstance()->triggerAsyncUpdate();
}

PreferencesDataUpdater::MidiPortSettings
    PreferencesDataUpdater::readMidiPortSettings (const PreferencesData& source)
{
    MidiPortSettings settings;
    settings.autoScan = source.getBool (PreferenceKeys::MidiPortAutoScan, true);
    settings.inPortName = source.getString (PreferenceKeys::MidiInPort);
    settings.outPortName = source.getString (PreferenceKeys::MidiOutPort);
    return settings;
}

int PreferencesDataUpdater::getListFontHeight (int programListHeight) noexcept
{
    // Single precision on purpose: 0.6f lies a little above 0.6, so a product that
    // should be whole never falls just below it. |product| < INT_MAX, so the cast is defined.
    return static_cast<int> (static_cast<float> (programListHeight) * 0.6f);
}
} // namespace xTV200_preferences
