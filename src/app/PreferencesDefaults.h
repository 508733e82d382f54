#pragma once

namespace xTV200_preferences
{
class PreferencesData;

/** Gives every setting that has a default its default value when the
    preferences lack it; settings that are present keep their values.

    Run once at start-up, before anything reads the settings. In a file made
    from scratch the settings then stand in the order in which they are stored
    here.
*/
void storePreferenceDefaults (PreferencesData& preferences);
} // namespace xTV200_preferences
