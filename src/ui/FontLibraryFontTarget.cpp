#include "ui/FontLibraryFontTarget.h"

#include "ui/FontLibrary.h"

FontLibraryFontTarget::FontLibraryFontTarget (FontLibrary& libraryToUpdate)
    : library (libraryToUpdate)
{
    xTV200_preferences::PreferencesDataUpdater::setFontTarget (this);
}

FontLibraryFontTarget::~FontLibraryFontTarget()
{
    xTV200_preferences::PreferencesDataUpdater::setFontTarget (nullptr);
}

void FontLibraryFontTarget::setFontHeight (const juce::String& fontName, int height)
{
    library.setFontHeight (fontName, static_cast<float> (height));
}
