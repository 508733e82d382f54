#include "ui/DefaultLookAndFeel.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using xTV200_ui::DefaultLookAndFeel;

const juce::Colour highlight (0xff440404);

juce::Image render (int width, int height, const std::function<void (juce::Graphics&)>& draw)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics g (image);
    draw (g);
    return image;
}

int countPixels (const juce::Image& image, const std::function<bool (juce::Colour)>& matches)
{
    int count = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (matches (image.getPixelAt (x, y)))
                ++count;
    return count;
}

bool isWhitish (juce::Colour c)
{
    return c.getAlpha() > 200 && c.getRed() > 200 && c.getGreen() > 200 && c.getBlue() > 200;
}

bool isDarkOpaque (juce::Colour c)
{
    return c.getAlpha() > 200 && c.getRed() < 60 && c.getGreen() < 60 && c.getBlue() < 60;
}

bool isReddish (juce::Colour c)
{
    return c.getAlpha() > 0 && c.getRed() > c.getGreen() + 60;
}

bool samePixels (const juce::Image& a, const juce::Image& b)
{
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                return false;
    return true;
}

void expectColourNear (juce::Colour actual, juce::Colour expected, const char* what)
{
    EXPECT_EQ (actual.getAlpha(), expected.getAlpha()) << what;
    EXPECT_NEAR (actual.getRed(), expected.getRed(), 2) << what;
    EXPECT_NEAR (actual.getGreen(), expected.getGreen(), 2) << what;
    EXPECT_NEAR (actual.getBlue(), expected.getBlue(), 2) << what;
}

class DefaultLookAndFeelTest : public ::testing::Test
{
protected:
    juce::Image renderMenuBarItem (bool isMouseOverItem, bool isMenuOpen)
    {
        return render (100, 24,
                       [&] (juce::Graphics& g) {
                           lookAndFeel.drawMenuBarItem (g, 100, 24, 0, "File", isMouseOverItem, isMenuOpen,
                                                        false, menuBar);
                       });
    }

    juce::Image renderPopupMenuItem (bool isActive, bool isHighlighted,
                                     const juce::Colour* textColour = nullptr)
    {
        return render (200, 22,
                       [&] (juce::Graphics& g)
                       {
                           lookAndFeel.drawPopupMenuItem (g, {0, 0, 200, 22}, false, isActive, isHighlighted,
                                                          false, false, "Receive Library Data", "Ctrl+R",
                                                          nullptr, textColour);
                       });
    }

    DefaultLookAndFeel lookAndFeel;
    juce::MenuBarComponent menuBar{nullptr};
};

TEST_F (DefaultLookAndFeelTest, EveryMenuBarItemIsAHundredPixelsWide)
{
    for (const auto* title : {"", "Edit", "A much longer menu title than fits"})
        EXPECT_EQ (lookAndFeel.getMenuBarItemWidth (menuBar, 0, title), 100) << title;
}

TEST_F (DefaultLookAndFeelTest, MenusUseTheDefaultTypefaceAtSixteen)
{
    for (const auto& font : {lookAndFeel.getMenuBarFont (menuBar, 0, "File"), lookAndFeel.getPopupMenuFont()})
    {
        EXPECT_EQ (font.getHeight(), 16.0f);
        EXPECT_EQ (font.getTypefaceName(), juce::Font::getDefaultSansSerifFontName());
        EXPECT_FALSE (font.isBold());
    }
}

TEST_F (DefaultLookAndFeelTest, AnOpenMenuBarItemIsDarkRedWithWhiteText)
{
    const auto open = renderMenuBarItem (false, true);

    EXPECT_EQ (open.getPixelAt (3, 3), highlight);
    EXPECT_EQ (open.getPixelAt (96, 20), highlight);
    EXPECT_GT (countPixels (open, isWhitish), 10);
}

TEST_F (DefaultLookAndFeelTest, AClosedMenuBarItemHasBlackTextWhateverTheMouseDoes)
{
    const auto closed = renderMenuBarItem (false, false);

    EXPECT_EQ (closed.getPixelAt (3, 3).getAlpha(), 0) << "the bar's background shows through";
    EXPECT_GT (countPixels (closed, isDarkOpaque), 10);
    EXPECT_EQ (countPixels (closed, [] (juce::Colour c) { return c == highlight; }), 0);
    EXPECT_TRUE (samePixels (renderMenuBarItem (true, false), closed));
}

TEST_F (DefaultLookAndFeelTest, TheMenuBarIsLightGreyWithADarkerBottomEdge)
{
    const auto bar = render (
        300, 24, [&] (juce::Graphics& g) { lookAndFeel.drawMenuBarBackground (g, 300, 24, false, menuBar); });

    EXPECT_EQ (bar.getPixelAt (150, 10), juce::Colour (0xffd3d3d3));
    EXPECT_LT (bar.getPixelAt (150, 23).getBrightness(), bar.getPixelAt (150, 22).getBrightness());
}

TEST_F (DefaultLookAndFeelTest, PopupMenusAreTranslucentLightGrey)
{
    const auto background =
        render (50, 50, [&] (juce::Graphics& g) { lookAndFeel.drawPopupMenuBackground (g, 50, 50); });

    expectColourNear (background.getPixelAt (25, 25), juce::Colour (0x99d3d3d3), "background");
    EXPECT_FALSE (lookAndFeel.findColour (juce::PopupMenu::backgroundColourId).isOpaque())
        << "the menu window must not be treated as opaque";
}

TEST_F (DefaultLookAndFeelTest, AHighlightedPopupItemIsFilledInsideAOnePixelMargin)
{
    const auto item = renderPopupMenuItem (true, true);

    EXPECT_EQ (item.getPixelAt (0, 0).getAlpha(), 0);
    EXPECT_EQ (item.getPixelAt (199, 21).getAlpha(), 0);
    EXPECT_EQ (item.getPixelAt (1, 1), highlight);
    EXPECT_EQ (item.getPixelAt (198, 20), highlight);
    EXPECT_GT (countPixels (item, isWhitish), 20);
}

TEST_F (DefaultLookAndFeelTest, APopupItemIgnoresTheColourItsMenuAsksFor)
{
    const auto red = juce::Colours::red;
    const auto item = renderPopupMenuItem (true, false, &red);

    EXPECT_EQ (countPixels (item, isReddish), 0);
    EXPECT_GT (countPixels (item, isDarkOpaque), 20);
}

TEST_F (DefaultLookAndFeelTest, AnInactivePopupItemIsFaint)
{
    const auto item = renderPopupMenuItem (false, false);

    EXPECT_GT (countPixels (item, [] (juce::Colour c) { return c.getAlpha() > 0; }), 20);
    EXPECT_EQ (countPixels (item, [] (juce::Colour c) { return c.getAlpha() > 80; }), 0);
}
} // namespace
