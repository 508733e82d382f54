#include "ui/DefaultLookAndFeel.h"

namespace xTV200_ui
{
DefaultLookAndFeel::DefaultLookAndFeel()
    : juce::LookAndFeel_V4 (juce::LookAndFeel_V4::getLightColourScheme())
{
    // The dialogs paint themselves white: their labels, boxes and buttons
    // need the light scheme's dark text to be readable on it.
    // The menus are drawn light grey over whatever lies below, so the colour
    // scheme's light menu text would vanish; and a translucent background
    // colour keeps the menu window from being treated as opaque.
    setColour (juce::PopupMenu::textColourId, juce::Colours::black);
    setColour (juce::PopupMenu::backgroundColourId, juce::Colour (popupMenuBackgroundColour));
}

DefaultLookAndFeel::~DefaultLookAndFeel() = default;

void DefaultLookAndFeel::drawPopupMenuBackground (juce::Graphics& g, int, int)
{
    g.fillAll (juce::Colour (popupMenuBackgroundColour));
}

void DefaultLookAndFeel::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area,
                                            bool isSeparator, bool isActive, bool isHighlighted,
                                            bool isTicked, bool hasSubMenu, const juce::String& text,
                                            const juce::String& shortcutKeyText, const juce::Drawable* icon,
                                            const juce::Colour*)
{
    if (isSeparator)
    {
        drawPopupMenuSeparator (g, area);
        return;
    }

    auto r = area.reduced (1);

    if (isHighlighted)
    {
        g.setColour (juce::Colour (highlightColour));
        g.fillRect (r);
        g.setColour (juce::Colours::white);
    }
    else
    {
        // Item colours chosen by the menu's owner are not used: the text has to
        // stay readable on the menu's own background.
        g.setColour (findColour (juce::PopupMenu::textColourId));
    }

    if (! isActive)
        g.setOpacity (0.3f);

    auto font = getPopupMenuFont();
    const auto maxFontHeight = static_cast<float> (area.getHeight()) / 1.3f;

    if (font.getHeight() > maxFontHeight)
        font.setHeight (maxFontHeight);

    g.setFont (font);

    const auto iconArea = r.removeFromLeft ((r.getHeight() * 5) / 4).reduced (3).toFloat();

    if (icon != nullptr)
    {
        icon->drawWithin (g, iconArea,
                          juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize,
                          1.0f);
    }
    else if (isTicked)
    {
        const auto tick = getTickShape (1.0f);
        g.fillPath (tick, tick.getTransformToScaleToFit (iconArea, true));
    }

    if (hasSubMenu)
        drawPopupMenuSubMenuArrow (g, r);

    r.removeFromRight (3);
    g.drawFittedText (text, r, juce::Justification::centredLeft, 1);

    if (shortcutKeyText.isNotEmpty())
    {
        auto shortcutFont = font;
        shortcutFont.setHeight (font.getHeight() * 0.75f);
        shortcutFont.setHorizontalScale (0.95f);
        g.setFont (shortcutFont);
        g.drawText (shortcutKeyText, r, juce::Justification::centredRight, true);
    }
}

void DefaultLookAndFeel::drawPopupMenuSeparator (juce::Graphics& g, const juce::Rectangle<int>& area)
{
    auto r = area.reduced (5, 0);
    r.removeFromTop (r.getHeight() / 2 - 1);

    g.setColour (juce::Colour (0x33000000));
    g.fillRect (r.removeFromTop (1));
    g.setColour (juce::Colour (0x66ffffff));
    g.fillRect (r.removeFromTop (1));
}

void DefaultLookAndFeel::drawPopupMenuSubMenuArrow (juce::Graphics& g, juce::Rectangle<int>& textArea)
{
    const auto arrowHeight = 0.6f * getPopupMenuFont().getAscent();
    const auto x = static_cast<float> (textArea.removeFromRight (static_cast<int> (arrowHeight)).getX());
    const auto halfHeight = static_cast<float> (textArea.getCentreY());

    juce::Path arrow;
    arrow.addTriangle (x, halfHeight - arrowHeight * 0.5f, x, halfHeight + arrowHeight * 0.5f,
                       x + arrowHeight * 0.6f, halfHeight);
    g.fillPath (arrow);
}

juce::Font DefaultLookAndFeel::getPopupMenuFont()
{
    return juce::Font (static_cast<float> (menuFontHeight), juce::Font::plain);
}

void DefaultLookAndFeel::drawMenuBarBackground (juce::Graphics& g, int width, int height, bool,
                                                juce::MenuBarComponent&)
{
    g.fillAll (juce::Colour (menuBarColour));
    g.setColour (juce::Colours::black);
    g.drawLine (0.0f, static_cast<float> (height), static_cast<float> (width), static_cast<float> (height),
                0.5f);
}

int DefaultLookAndFeel::getMenuBarItemWidth (juce::MenuBarComponent&, int, const juce::String&)
{
    return menuBarItemWidth;
}

juce::Font DefaultLookAndFeel::getMenuBarFont (juce::MenuBarComponent&, int, const juce::String&)
{
    return juce::Font (static_cast<float> (menuFontHeight), juce::Font::plain);
}

void DefaultLookAndFeel::drawMenuBarItem (juce::Graphics& g, int width, int height, int,
                                          const juce::String& itemText, bool, bool isMenuOpen, bool,
                                          juce::MenuBarComponent&)
{
    const auto right = static_cast<float> (width);

    g.setColour (juce::Colours::black);
    g.drawLine (right, 0.0f, right, static_cast<float> (height), 0.5f);

    if (isMenuOpen)
    {
        g.fillAll (juce::Colour (highlightColour));
        g.setColour (juce::Colours::white);
    }
    else
    {
        g.setColour (juce::Colours::black);
    }

    g.setFont (juce::Font (static_cast<float> (menuBarItemFontHeight), juce::Font::plain));
    g.drawText (itemText, 0, 0, width, height, juce::Justification::centred, false);
}
} // namespace xTV200_ui
