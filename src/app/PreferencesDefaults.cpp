#include "app/PreferencesDefaults.h"

#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"

namespace xTV200_preferences
{
void storePreferenceDefaults (PreferencesData& preferences)
{
    using namespace PreferenceKeys;

    preferences.setDefaultBool (MidiPortAutoScan, true);
    preferences.setDefaultBool (AutoReceive, true);
    preferences.setDefaultBool (WarnBeforeWriting, true);
    preferences.setDefaultString (MidiInPort);
    preferences.setDefaultString (MidiOutPort);
    preferences.setDefaultString (LastSavedFolder);
    preferences.setDefaultBool (ShowPresetWindow, false);
    preferences.setDefaultInt (ProgramListHeight, 25);
    preferences.setDefaultBool (TwitterEnable, false);
    preferences.setDefaultString (TwitterUserName);
    preferences.setDefaultInt (TwitterMaxLogSize, 1000);
    preferences.setDefaultInt (TwitterShortUrlLength, 22);
    preferences.setDefaultInt (TwitterShortUrlLengthHttps, 23);
}
} // namespace xTV200_preferences
