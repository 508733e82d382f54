#pragma once

#include "app/PreferencesDataUpdater.h"

class FontLibrary;

/** Hands the list font heights of the preferences to the font library.

    It registers itself as the preferences' font target while it lives; the
    font library owns one, so the setting reaches the library whenever it
    exists.
*/
class FontLibraryFontTarget final : public xTV200_preferences::PreferencesDataUpdater::FontTarget
{
public:
    explicit FontLibraryFontTarget (FontLibrary& libraryToUpdate);
    ~FontLibraryFontTarget() override;

    void setFontHeight (const juce::String& fontName, int height) override;

private:
    FontLibrary& library;

    JUCE_DECLARE_NON_COPYABLE (FontLibraryFontTarget)
};
