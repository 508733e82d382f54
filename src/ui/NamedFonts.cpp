#include "ui/NamedFonts.h"

#include "ui/FontLibrary.h"

namespace xTV200_ui::NamedFonts
{
namespace
{
bool isInstalled (const juce::String& typefaceName)
{
    return juce::Font::findAllTypefaceNames().contains (typefaceName);
}

/** How a named font is made: in the Arial face or the default one. */
enum class Face
{
    arial,
    standard
};

struct NamedFont
{
    const char* name;
    Face face;
    float height;
    int style;
};

constexpr int plain = juce::Font::plain;
constexpr int bold = juce::Font::bold;

constexpr NamedFont namedFonts[]{
    {"ProgramListNumber", Face::arial, 15.0f, plain},
    {"ProgramListName", Face::arial, 15.0f, plain},
    {"ProgramListCategory", Face::arial, 15.0f, plain},
    {"FavoriteDisplayNumber", Face::arial, 15.0f, plain},
    {"FavoriteDisplayName", Face::arial, 14.0f, plain},
    {"PresetListItemPresetData", Face::arial, 13.0f, plain},
    {"PresetListItemProgram", Face::arial, 13.0f, plain},
    {"MidiCommunicationDialogStatus", Face::standard, 16.0f, plain},
    {"MidiCommunicationDialogDetail", Face::standard, 14.5f, plain},
    {"HeaderModeButton", Face::arial, 13.5f, plain},
    {"TweetUserName", Face::standard, 15.0f, bold},
    {"TweetScreenName", Face::standard, 13.0f, plain},
    {"TweetDateLabel", Face::standard, 13.0f, plain},
    {"TweetText", Face::standard, 14.5f, plain},
    {"TweetPrefixSuffix", Face::standard, 13.0f, plain},
    {"TwitterWebBrowserUrlDisplay", Face::arial, 13.0f, plain},
    {"TwitterErrorTitle", Face::standard, 15.0f, bold},
    {"TwitterBeforeAuthorizeMessage", Face::standard, 19.0f, bold},
    {"TwitterBeforeAuthorizeNotice", Face::standard, 16.0f, plain},
    {"TwitterBeforeAuthorizeButton", Face::standard, 16.0f, plain},
};
} // namespace

juce::String getArialTypefaceName()
{
    for (const auto* name : {"Arial", "Liberation Sans"})
        if (isInstalled (name))
            return name;

    return juce::Font::getDefaultSansSerifFontName();
}

juce::String findSystemFontName()
{
    // Proportional faces first: they read better in labels and menus.
    for (const auto* name : {"Noto Sans CJK JP", "IPAPGothic", "TakaoPGothic", "VL PGothic", "IPAGothic"})
        if (isInstalled (name))
            return name;

    return {};
}

bool applySystemFont (juce::LookAndFeel& lookAndFeel)
{
    const auto systemFontName = findSystemFontName();

    if (systemFontName.isEmpty())
        return false;

    auto* library = FontLibrary::getInstance();
    library->addFont ("DefaultFont", juce::Font (systemFontName, 13.0f, juce::Font::plain));
    library->addFont ("DefaultBoldFont", juce::Font (systemFontName, 13.0f, juce::Font::bold));

    const auto currentDefault = lookAndFeel.getTypefaceForFont (juce::Font());

    if (currentDefault == nullptr || currentDefault->getName() != systemFontName)
    {
        // Typefaces already made for the default name would keep the old face.
        juce::Typeface::clearTypefaceCache();
        lookAndFeel.setDefaultSansSerifTypefaceName (systemFontName);
    }

    return true;
}

void addNamedFonts()
{
    const auto arial = getArialTypefaceName();
    auto* library = FontLibrary::getInstance();

    for (const auto& font : namedFonts)
    {
        if (font.face == Face::arial)
            library->addFont (font.name, juce::Font (arial, font.height, font.style));
        else
            library->addFont (font.name, juce::Font (font.height, font.style));
    }
}
} // namespace xTV200_ui::NamedFonts
