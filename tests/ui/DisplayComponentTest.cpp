#include "ui/CharacterDisplayFont.h"
#include "ui/LargeDigitFont.h"
#include "ui/ProgramNameDisplayComponent.h"
#include "ui/SubDisplayComponent.h"

#include <gtest/gtest.h>

namespace
{
using xTV200_ui::CharacterDisplayFont;
using xTV200_ui::ProgramNameDisplayComponent;
using xTV200_ui::SubDisplayComponent;

/** Whether the cell of the character display shows exactly this glyph. */
bool cellShows (const ProgramNameDisplayComponent& display, int line, int cell, int code)
{
    const auto& glyph = CharacterDisplayFont::getGlyph (code);

    for (int column = 0; column < CharacterDisplayFont::glyphWidth; ++column)
        for (int row = 0; row < CharacterDisplayFont::glyphHeight; ++row)
            if (display.isDotLit (cell * 6 + column, line * 8 + row) != glyph.isLit (column, row))
                return false;

    return true;
}

int countLitDots (const ProgramNameDisplayComponent& display)
{
    int lit = 0;
    for (int row = 0; row < ProgramNameDisplayComponent::dotRows; ++row)
        for (int column = 0; column < ProgramNameDisplayComponent::dotColumns; ++column)
            lit += display.isDotLit (column, row) ? 1 : 0;
    return lit;
}

TEST (DisplayComponentTest, LinesAreCentredInSixteenCells)
{
    const std::vector<std::pair<juce::String, juce::String>> cases{
        {"Warm Pad 12A", "  Warm Pad 12A  "},
        {"Prog 001", "    Prog 001    "},
        {"A", "       A        "},
        {"", "                "},
        {"Fifteen chars!!", "Fifteen chars!! "},
        {"Seventeen chars!!", "Seventeen chars!"},
    };

    for (const auto& [line, cells] : cases)
        EXPECT_EQ (ProgramNameDisplayComponent::centreInCells (line), cells) << line;
}

TEST (DisplayComponentTest, EachCellDrawsItsTranslatedGlyph)
{
    ProgramNameDisplayComponent display;
    display.setLines ("A$", "{~}");

    EXPECT_EQ (display.getLine1(), "A$");
    EXPECT_TRUE (cellShows (display, 0, 7, 'A'));
    EXPECT_TRUE (cellShows (display, 0, 8, 162));
    EXPECT_FALSE (cellShows (display, 0, 8, '$')) << "'$' must not draw its ASCII glyph";
    EXPECT_TRUE (cellShows (display, 1, 6, 253)) << "three characters start after six blanks";
    EXPECT_TRUE (cellShows (display, 1, 7, 206));
    EXPECT_TRUE (cellShows (display, 1, 8, 255));
    EXPECT_TRUE (cellShows (display, 1, 5, ' '));

    display.setLines (juce::String::charToString (static_cast<juce::juce_wchar> (200)), {});
    EXPECT_TRUE (cellShows (display, 0, 7, CharacterDisplayFont::defaultGlyphCode));

    display.setLines ({}, {});
    EXPECT_EQ (countLitDots (display), 0);
}

TEST (DisplayComponentTest, PaintingDrawsEachDotAsATwoByTwoWhiteSquare)
{
    ProgramNameDisplayComponent display;
    display.setLines ("-", {});
    const auto image = display.createComponentSnapshot (display.getLocalBounds(), true, 1.0f);

    // '-' in cell 7 lights dot row 3, columns 42 to 46.
    ASSERT_TRUE (display.isDotLit (42, 3));
    EXPECT_EQ (image.getPixelAt (84, 6), juce::Colours::white);
    EXPECT_EQ (image.getPixelAt (85, 7), juce::Colours::white);
    EXPECT_EQ (image.getPixelAt (84, 8).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (83, 6).getAlpha(), 0);
}

/** The columns of the sub display that hold a lit pixel in these rows. */
std::vector<int> litColumns (const SubDisplayComponent& display, int firstRow, int lastRow)
{
    std::vector<int> columns;
    for (int column = 0; column < SubDisplayComponent::pixelColumns; ++column)
        for (int row = firstRow; row <= lastRow; ++row)
            if (display.isPixelLit (column, row))
            {
                columns.push_back (column);
                break;
            }
    return columns;
}

bool figureAt (const SubDisplayComponent& display, juce::juce_wchar figure, int firstColumn)
{
    const auto* glyph = xTV200_ui::LargeDigitFont::findGlyph (figure);

    for (int column = 0; column < 14; ++column)
        for (int row = 0; row < 24; ++row)
            if (display.isPixelLit (firstColumn + column, row) != glyph->isLit (column, row))
                return false;

    return true;
}

TEST (DisplayComponentTest, TheFirstLineShowsUpToThreeLargeFiguresFromColumn39)
{
    SubDisplayComponent display;
    display.setLines ("0738", {});
    EXPECT_TRUE (figureAt (display, '0', 39));
    EXPECT_TRUE (figureAt (display, '7', 57));
    EXPECT_TRUE (figureAt (display, '3', 75));
    EXPECT_TRUE (litColumns (display, 0, 63).back() < 93) << "the fourth figure is not drawn";

    display.setLines ("-1", {});
    EXPECT_TRUE (figureAt (display, '1', 39)) << "a character the font lacks takes no room";

    display.setLines ("--------", {});
    EXPECT_TRUE (litColumns (display, 0, 63).empty());
}

TEST (DisplayComponentTest, TheSecondLineIsCentredInRows40To55)
{
    SubDisplayComponent display;

    for (const auto* text : {"Saw", "Mic In", "LPF Tolm 1", "Unison Squ."})
    {
        display.setLines ({}, text);
        EXPECT_TRUE (litColumns (display, 0, 39).empty()) << text;
        EXPECT_TRUE (litColumns (display, 56, 63).empty()) << text;

        const auto columns = litColumns (display, 40, 55);
        ASSERT_FALSE (columns.empty()) << text;
        EXPECT_GT (columns.front(), 0) << text;
        EXPECT_LT (columns.back(), 127) << text;
        EXPECT_NEAR ((columns.front() + columns.back()) / 2.0, 64.0, 4.0) << text;
    }

    display.setLines ({}, "Unison Squ.Extra");
    const auto eleven = litColumns (display, 40, 55);
    display.setLines ({}, "Unison Squ.");
    EXPECT_EQ (litColumns (display, 40, 55), eleven) << "only 11 characters are shown";

    display.setLines ({}, juce::String ("Saw") + juce::String::charToString (1) + "Off");
    const auto cutShort = litColumns (display, 40, 55);
    display.setLines ({}, "Saw");
    const auto saw = litColumns (display, 40, 55);
    EXPECT_EQ (cutShort.size(), saw.size()) << "drawing stops at a control character";
    EXPECT_LT (cutShort.back(), saw.back()) << "but the measuring goes on to the end";
}
} // namespace
