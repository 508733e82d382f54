#pragma once

#include "base/Singleton.h"
#include "ui/FontLibraryFontTarget.h"

#include <juce_graphics/juce_graphics.h>

#include <map>

/** The application's fonts by name.

    Every text of the user interface is drawn with a font looked up here when
    it is painted, so that a font whose height changes (the list fonts follow
    the user's list size) shows its new height at the next repaint. While the
    library lives it is the target of the list font size setting. Message
    thread only.
*/
class FontLibrary final : public Singleton<FontLibrary>, private juce::DeletedAtShutdown
{
public:
    FontLibrary();
    ~FontLibrary() override;

    /** Stores a copy of font under name, unless the name is already taken:
        then the font stored first stays. */
    void addFont (const juce::String& name, const juce::Font& font);

    /** The font stored under name; for an unknown name a console line and the
        framework's default font, so that drawing goes on. */
    juce::Font getFont (const juce::String& name) const;

    /** Changes the height of the named font; an unknown name changes nothing. */
    void setFontHeight (const juce::String& name, float height);

    bool contains (const juce::String& name) const;

private:
    static void reportMissingFont();

    std::map<juce::String, juce::Font> fonts;
    FontLibraryFontTarget listFontTarget{*this};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FontLibrary)
};
