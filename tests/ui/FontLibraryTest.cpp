#include "ui/FontLibrary.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/PreferencesDataUpdater.h"
#include "support/FreshSingletons.h"
#include "support/TemporaryFolder.h"
#include "ui/NamedFonts.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
namespace NamedFonts = xTV200_ui::NamedFonts;

class FontLibraryTest : public test::FreshSingletons
{
protected:
    FontLibrary& library() { return *FontLibrary::getInstance(); }
};

TEST_F (FontLibraryTest, TheFirstFontAddedUnderANameStays)
{
    library().addFont ("Caption", juce::Font ("Liberation Serif", 12.0f, juce::Font::bold));
    library().addFont ("Caption", juce::Font (20.0f));

    EXPECT_EQ (library().getFont ("Caption"), juce::Font ("Liberation Serif", 12.0f, juce::Font::bold));
}

TEST_F (FontLibraryTest, AnUnknownNameGivesTheDefaultFontAndChangesNothing)
{
    library().addFont ("Caption", juce::Font (12.0f));

    EXPECT_EQ (library().getFont ("caption"), juce::Font()) << "names are compared exactly";

    library().setFontHeight ("Missing", 30.0f);
    EXPECT_FALSE (library().contains ("Missing"));
    EXPECT_EQ (library().getFont ("Caption").getHeight(), 12.0f);
}

TEST_F (FontLibraryTest, ANewHeightKeepsTheTypefaceAndStyle)
{
    library().addFont ("Caption", juce::Font ("Liberation Sans", 12.0f, juce::Font::bold));
    library().setFontHeight ("Caption", 14.5f);

    const auto font = library().getFont ("Caption");
    EXPECT_EQ (font.getHeight(), 14.5f);
    EXPECT_EQ (font.getTypefaceName(), "Liberation Sans");
    EXPECT_TRUE (font.isBold());
}

TEST_F (FontLibraryTest, TheListFontSizeSettingReachesTheFiveListFontsOnly)
{
    NamedFonts::addNamedFonts();
    test::TemporaryFolder folder;
    xTV200_preferences::PreferencesData preferences (folder.getChildFile ("PreferencesData.xml"));
    preferences.setInt (xTV200_preferences::PreferenceKeys::ProgramListHeight, 30);

    xTV200_preferences::PreferencesDataUpdater (preferences).applyListFontSize();

    for (const auto* name : xTV200_preferences::PreferencesDataUpdater::listFontNames)
        EXPECT_EQ (library().getFont (name).getHeight(), 18.0f) << name;

    EXPECT_EQ (library().getFont ("FavoriteDisplayNumber").getHeight(), 15.0f);
    EXPECT_EQ (library().getFont ("HeaderModeButton").getHeight(), 13.5f);
}

TEST_F (FontLibraryTest, TheSettingGoesNowhereOnceTheLibraryIsGone)
{
    NamedFonts::addNamedFonts();
    juce::DeletedAtShutdown::deleteAll();

    test::TemporaryFolder folder;
    xTV200_preferences::PreferencesData preferences (folder.getChildFile ("PreferencesData.xml"));
    xTV200_preferences::PreferencesDataUpdater (preferences).applyListFontSize();

    EXPECT_EQ (FontLibrary::getInstanceWithoutCreating(), nullptr);
}

TEST_F (FontLibraryTest, NamedFontsUseAnInstalledFaceForArialAndTheDefaultFaceOtherwise)
{
    NamedFonts::addNamedFonts();

    const auto arial = NamedFonts::getArialTypefaceName();
    ASSERT_TRUE (juce::Font::findAllTypefaceNames().contains (arial)) << arial;

    struct Case
    {
        const char* name;
        juce::String typeface;
        float height;
        bool bold;
    };

    const auto standard = juce::Font::getDefaultSansSerifFontName();
    const Case cases[]{
        {"ProgramListName", arial, 15.0f, false},
        {"FavoriteDisplayName", arial, 14.0f, false},
        {"PresetListItemProgram", arial, 13.0f, false},
        {"MidiCommunicationDialogStatus", standard, 16.0f, false},
        {"MidiCommunicationDialogDetail", standard, 14.5f, false},
        {"TweetUserName", standard, 15.0f, true},
        {"TwitterBeforeAuthorizeMessage", standard, 19.0f, true},
        {"TwitterWebBrowserUrlDisplay", arial, 13.0f, false},
    };

    for (const auto& c : cases)
    {
        ASSERT_TRUE (library().contains (c.name)) << c.name;
        const auto font = library().getFont (c.name);
        EXPECT_EQ (font.getTypefaceName(), c.typeface) << c.name;
        EXPECT_EQ (font.getHeight(), c.height) << c.name;
        EXPECT_EQ (font.isBold(), c.bold) << c.name;
    }
}

/** The outline of one character as the typeface draws it. */
juce::String outlineOf (juce::Typeface& typeface, juce::juce_wchar character)
{
    juce::Array<int> glyphs;
    juce::Array<float> offsets;
    typeface.getGlyphPositions (juce::String::charToString (character), glyphs, offsets);

    juce::Path outline;
    if (! glyphs.isEmpty())
        typeface.getOutlineForGlyph (glyphs.getFirst(), outline);
    return outline.toString();
}

/** Makes a look and feel the framework's default for one test, and restores
    the previous default and the typefaces made meanwhile afterwards. */
class ScopedDefaultLookAndFeel
{
public:
    ScopedDefaultLookAndFeel()
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
        juce::Typeface::clearTypefaceCache();
    }

    ~ScopedDefaultLookAndFeel()
    {
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
        juce::Typeface::clearTypefaceCache();
    }

    juce::LookAndFeel_V4 lookAndFeel;
};

TEST_F (FontLibraryTest, TheSystemFontDrawsLatinAndJapaneseTexts)
{
    const auto systemFontName = NamedFonts::findSystemFontName();
    ASSERT_TRUE (systemFontName.isNotEmpty()) << "no typeface with Japanese glyphs is installed";

    ScopedDefaultLookAndFeel scope;
    ASSERT_TRUE (NamedFonts::applySystemFont (scope.lookAndFeel));

    auto typeface = juce::Font (16.0f).getTypefacePtr();
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), systemFontName);

    // A face without the characters draws the same missing-glyph box for both.
    const auto receive = outlineOf (*typeface, 0x53d7); // the first character of "受信"
    const auto trust = outlineOf (*typeface, 0x4fe1);   // its second character
    EXPECT_TRUE (receive.isNotEmpty());
    EXPECT_NE (receive, trust);
    EXPECT_NE (outlineOf (*typeface, 'A'), outlineOf (*typeface, 'B'));

    EXPECT_EQ (library().getFont ("DefaultFont"), juce::Font (systemFontName, 13.0f, juce::Font::plain));
    EXPECT_TRUE (library().getFont ("DefaultBoldFont").isBold());
}

TEST_F (FontLibraryTest, TheMissingGlyphCheckTellsAFaceWithoutJapaneseApart)
{
    auto latinOnly =
        juce::Font (NamedFonts::getArialTypefaceName(), 16.0f, juce::Font::plain).getTypefacePtr();
    ASSERT_NE (latinOnly, nullptr);

    EXPECT_EQ (outlineOf (*latinOnly, 0x53d7), outlineOf (*latinOnly, 0x4fe1));
}
} // namespace
