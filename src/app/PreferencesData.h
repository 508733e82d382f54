#pragma once

#include "base/Singleton.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <memory>

namespace xTV200_preferences
{
/** The user's settings, kept in "PreferencesData.xml" in the preferences folder.

    Each setting is a child element of the root named by its key (see
    PreferenceKeys.h) with the value in its attribute "Value": booleans as 0
    and 1, integers in decimal, strings as they are. Keys are matched without
    regard to letter case and the first matching element counts.

    The file is read when the object is created and written by save() and by
    the destructor; the setters only change the settings in memory. A missing,
    unreadable or malformed file gives an empty set of settings, silently.

    Use it on the message thread only.
*/
class PreferencesData final : public Singleton<PreferencesData>, public juce::DeletedAtShutdown
{
public:
    /** The process-wide object: loads the file in the preferences folder. */
    PreferencesData();

    /** Loads the given file instead; its folder is created when missing. */
    explicit PreferencesData (const juce::File& preferencesFile);

    /** Saves the file. */
    ~PreferencesData() override;

    /** True when the value's first non-blank character is 1, t, T, y or Y;
        defaultValue when the key's element or its "Value" attribute is missing. */
    bool getBool (juce::StringRef key, bool defaultValue) const;

    /** The value read as C's atoi() reads it (blanks, an optional sign, digits;
        0 when it does not start so), except that a number beyond the range of
        int gives the nearest end of that range; defaultValue when the key's
        element or its "Value" attribute is missing. */
    int getInt (juce::StringRef key, int defaultValue) const;

    /** The value as it stands; empty when the key's element or its "Value" is missing. */
    juce::String getString (juce::StringRef key) const;

    /** These set the value, appending the key's element to the root when missing. */
    void setBool (juce::StringRef key, bool value);
    void setInt (juce::StringRef key, int value);
    void setString (juce::StringRef key, const juce::String& value);

    /** These set the value only when the key has no element yet. */
    void setDefaultBool (juce::StringRef key, bool value);
    void setDefaultInt (juce::StringRef key, int value);
    void setDefaultString (juce::StringRef key, const juce::String& value = {});

    /** Writes the settings to a temporary file beside the preferences file,
        which then replaces it; a failed write leaves the old file as it was.
        Returns false when the file could not be written. */
    bool save() const;

    const juce::File& getFile() const noexcept { return file; }

    /** The folder of the preferences file, which also holds the marker files,
        the installed presets and the Twitter tokens. */
    static juce::File getPreferencesFolder();

    /** The preferences file inside getPreferencesFolder(). */
    static juce::File getDefaultPreferencesFile();

    /** Files larger than this are not read: no settings file comes near it. */
    static constexpr juce::int64 maximumFileSize = 1024 * 1024;

private:
    juce::XmlElement* findElement (juce::StringRef key) const;
    const juce::String* findValue (juce::StringRef key) const;
    void setValue (juce::StringRef key, const juce::String& value);
    void setValueIfMissing (juce::StringRef key, const juce::String& value);

    juce::File file;
    std::unique_ptr<juce::XmlElement> root;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PreferencesData)
};
} // namespace xTV200_preferences
