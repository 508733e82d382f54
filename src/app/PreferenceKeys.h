#pragma once

/** The names of the settings in the preferences file.

    Each setting is a child element of the file's root named by its key, with
    the value in the attribute "Value". The names are stored in users' files:
    never change their spelling.
*/
namespace xTV200_preferences::PreferenceKeys
{
inline constexpr const char* MidiPortAutoScan = "MidiPortAutoScan";
inline constexpr const char* AutoReceive = "AutoReceive";
inline constexpr const char* WarnBeforeWriting = "WarnBeforeWriting";
inline constexpr const char* MidiInPort = "MidiInPort";
inline constexpr const char* MidiOutPort = "MidiOutPort";
inline constexpr const char* LastSavedFolder = "LastSavedFolder";
inline constexpr const char* ShowPresetWindow = "ShowPresetWindow";
inline constexpr const char* ProgramListHeight = "ProgramListHeight";

inline constexpr const char* TwitterEnable = "TwitterEnable";
inline constexpr const char* TwitterUserName = "TwitterUserName";
inline constexpr const char* TwitterUserID = "TwitterUserID";
inline constexpr const char* TwitterMaxLogSize = "TwitterMaxLogSize";
inline constexpr const char* TwitterShortUrlLength = "TwitterShortUrlLength";
inline constexpr const char* TwitterShortUrlLengthHttps = "TwitterShortUrlLengthHttps";

inline constexpr const char* MainWindowPositionX = "MainWindowPositionX";
inline constexpr const char* MainWindowPositionY = "MainWindowPositionY";
inline constexpr const char* MainWindowWidth = "MainWindowWidth";
inline constexpr const char* MainWindowHeight = "MainWindowHeight";

/** Reserved: nothing reads or writes it. */
inline constexpr const char* MainWindowSplitPosition = "MainWindowSplitPosition";

inline constexpr const char* PresetWindowPositionX = "PresetWindowPositionX";
inline constexpr const char* PresetWindowPositionY = "PresetWindowPositionY";
inline constexpr const char* PresetWindowWidth = "PresetWindowWidth";
inline constexpr const char* PresetWindowHeight = "PresetWindowHeight";
} // namespace xTV200_preferences::PreferenceKeys
