#include "ui/FontLibrary.h"

FontLibrary::FontLibrary() = default;

FontLibrary::~FontLibrary() = default;

void FontLibrary::addFont (const juce::String& name, const juce::Font& font)
{
    fonts.emplace (name, font);
}

juce::Font FontLibrary::getFont (const juce::String& name) const
{
    const auto found = fonts.find (name);

    if (found != fonts.end())
        return found->second;

    reportMissingFont();
    return {};
}

void FontLibrary::setFontHeight (const juce::String& name, float height)
{
    const auto found = fonts.find (name);

    if (found != fonts.end())
        found->second.setHeight (height);
    else
        reportMissingFont();
}

bool FontLibrary::contains (const juce::String& name) const
{
    return fonts.find (name) != fonts.end();
}

void FontLibrary::reportMissingFont()
{
    // The line ends itself: the console writer adds the line break.
    juce::Logger::outputDebugString ("not found font...");
}
