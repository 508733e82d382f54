#include "ui/CharacterDisplayFont.h"
#include "ui/GlyphSheet.h"
#include "ui/LargeDigitFont.h"
#include "ui/ProportionalDisplayFont.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
using xTV200_ui::GlyphSheet;

std::set<int> codesOf (const GlyphSheet& sheet)
{
    std::set<int> codes;
    for (const auto& glyph : sheet.getGlyphs())
        codes.insert (glyph.code);
    return codes;
}

/** True when no dot lies below the sheet's height. */
bool staysInsideItsRows (const GlyphSheet::Glyph& glyph, int height)
{
    for (auto column : glyph.columns)
        if ((column >> height) != 0)
            return false;
    return true;
}

void expectWholeSheet (const GlyphSheet& sheet, const std::set<int>& expectedCodes, int fixedWidth)
{
    EXPECT_TRUE (sheet.getFaults().isEmpty()) << sheet.getFaults().joinIntoString ("\n");
    EXPECT_EQ (codesOf (sheet), expectedCodes);
    EXPECT_EQ (sheet.getGlyphs().size(), expectedCodes.size()) << "a code is drawn twice";

    for (const auto& glyph : sheet.getGlyphs())
    {
        if (fixedWidth > 0)
            EXPECT_EQ (glyph.width, fixedWidth) << "code " << glyph.code;
        else
            EXPECT_TRUE (glyph.width >= 1 && glyph.width <= 63) << "code " << glyph.code;

        EXPECT_EQ (static_cast<int> (glyph.columns.size()), glyph.width) << "code " << glyph.code;
        EXPECT_TRUE (staysInsideItsRows (glyph, sheet.getHeight())) << "code " << glyph.code;
    }
}

std::set<int> range (int first, int last)
{
    std::set<int> codes;
    for (int code = first; code <= last; ++code)
        codes.insert (code);
    return codes;
}

TEST (DisplayFontTest, TheCharacterFontHoldsAll130GlyphsAt6x8)
{
    auto expected = range (32, 127);
    for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 162, 163, 196, 206, 223, 250, 252, 253, 255})
        expected.insert (code);
    for (int code = 16; code <= 31; ++code)
        expected.insert (code);

    ASSERT_EQ (expected.size(), 130u);
    EXPECT_EQ (xTV200_ui::CharacterDisplayFont::getSheet().getHeight(), 8);
    expectWholeSheet (xTV200_ui::CharacterDisplayFont::getSheet(), expected, 6);
}

TEST (DisplayFontTest, TheLargeFontHoldsTheFiguresZeroToGreaterThanAt14x24)
{
    EXPECT_EQ (xTV200_ui::LargeDigitFont::getSheet().getHeight(), 24);
    expectWholeSheet (xTV200_ui::LargeDigitFont::getSheet(), range ('0', '>'), 14);
    EXPECT_EQ (xTV200_ui::LargeDigitFont::findGlyph ('-'), nullptr);
    EXPECT_EQ (xTV200_ui::LargeDigitFont::findGlyph ('?'), nullptr);
}

TEST (DisplayFontTest, TheProportionalFontHoldsPrintableAsciiAt16Rows)
{
    EXPECT_EQ (xTV200_ui::ProportionalDisplayFont::getSheet().getHeight(), 16);
    expectWholeSheet (xTV200_ui::ProportionalDisplayFont::getSheet(), range (32, 126), 0);

    const auto* i = xTV200_ui::ProportionalDisplayFont::findGlyph ('i');
    const auto* m = xTV200_ui::ProportionalDisplayFont::findGlyph ('m');
    ASSERT_NE (i, nullptr);
    ASSERT_NE (m, nullptr);
    EXPECT_LT (i->getWidth(), m->getWidth()) << "the font is proportional";
    EXPECT_EQ (xTV200_ui::ProportionalDisplayFont::findGlyph (200), nullptr);
}

TEST (DisplayFontTest, TheSheetReportsEveryKindOfDrawingMistake)
{
    struct Case
    {
        const char* what;
        std::vector<int> codes;
        std::vector<const char*> rows;
    };

    const std::vector<Case> cases{
        {"a missing row", {'A', 'B'}, {"#. .#", "#. .#"}},
        {"a null row", {'A', 'B'}, {"#. .#", nullptr, "#. .#"}},
        {"a short row", {'A', 'B'}, {"#. .#", "#. .", "#. .#"}},
        {"a glyph narrower in one row", {'A', 'B'}, {"#. .#", "# ..#", "#. .#"}},
        {"a stray character", {'A', 'B'}, {"#. .#", "#. .x", "#. .#"}},
        {"more codes than glyphs", {'A', 'B', 'C'}, {"#. .#", "#. .#", "#. .#"}},
        {"a wrong fixed width", {'A', 'B'}, {"#. .#.", "#. .#.", "#. .#."}},
    };

    for (const auto& c : cases)
    {
        GlyphSheet sheet (3);
        sheet.addBand (c.codes, c.rows, 2);
        EXPECT_FALSE (sheet.getFaults().isEmpty()) << c.what;
        EXPECT_EQ (sheet.findGlyph ('B'), nullptr) << c.what;
    }

    GlyphSheet sheet (3);
    sheet.addBand ({'A', 'B'}, {"#. .#", ".# #.", "## .."}, 2);
    sheet.addBand ({'A'}, {"##", "##", "##"}, 2);
    EXPECT_EQ (sheet.getFaults().size(), 1) << "a code drawn twice";
    ASSERT_NE (sheet.findGlyph ('B'), nullptr);
    EXPECT_EQ (sheet.findGlyph ('B')->columns, (std::vector<std::uint32_t>{0b010, 0b001}));
    EXPECT_EQ (sheet.findGlyph ('A')->columns, (std::vector<std::uint32_t>{0b101, 0b110}));
}

TEST (DisplayFontTest, TheTranslationTableSendsSymbolsToTheDisplaysOwnGlyphs)
{
    using xTV200_ui::CharacterDisplayFont;
    const std::vector<std::pair<juce::juce_wchar, int>> cases{
        {'$', 162}, {'@', 5},   {'[', 250}, {'\\', 163}, {']', 252}, {'^', 29},  {'_', 196},
        {'`', 6},   {'{', 253}, {'|', 7},   {'}', 255},  {'~', 206}, {127, '.'}, {'A', 'A'},
        {'z', 'z'}, {'0', '0'}, {' ', ' '}, {'#', '#'},  {'.', '.'}, {200, 200}, {7, 7},
    };

    for (const auto& [character, code] : cases)
        EXPECT_EQ (CharacterDisplayFont::translate (character), code)
            << "character " << static_cast<int> (character);

    EXPECT_EQ (CharacterDisplayFont::getGlyph (200).code, CharacterDisplayFont::defaultGlyphCode);
}

TEST (DisplayFontTest, KerningClosesUpOpenOutlinesAndKeepsStemsApart)
{
    using Font = xTV200_ui::ProportionalDisplayFont;
    const auto kerning = [] (juce::juce_wchar a, juce::juce_wchar b)
    { return Font::getKerning (Font::findGlyph (a), Font::findGlyph (b)); };

    EXPECT_EQ (kerning ('H', 'H'), 1) << "two full stems";
    EXPECT_LT (kerning ('T', 'o'), 0) << "the bar of T overhangs the o";
    EXPECT_EQ (kerning ('o', 'o'), 0);
    EXPECT_EQ (kerning ('i', 'T'), 0) << "a glyph of 3 columns or fewer never kerns";
    EXPECT_EQ (Font::getKerning (nullptr, Font::findGlyph ('A')), 0);
    EXPECT_GE (Font::normalGap + kerning ('T', 'T'), 1) << "glyphs never touch";
}
} // namespace
