#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The application's look: the framework's default look with a light grey
    menu bar of equally wide items and translucent pop-up menus whose
    highlighted and open items are dark red.
*/
class DefaultLookAndFeel : public juce::LookAndFeel_V4
{
public:
    static constexpr juce::uint32 menuBarColour = 0xffd3d3d3;
    static constexpr juce::uint32 popupMenuBackgroundColour = 0x99d3d3d3;
    static constexpr juce::uint32 highlightColour = 0xff440404;
    static constexpr int menuBarItemWidth = 100;

    DefaultLookAndFeel();
    ~DefaultLookAndFeel() override;

    void drawPopupMenuBackground (juce::Graphics& g, int width, int height) override;

    void drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area, bool isSeparator,
                            bool isActive, bool isHighlighted, bool isTicked, bool hasSubMenu,
                            const juce::String& text, const juce::String& shortcutKeyText,
                            const juce::Drawable* icon, const juce::Colour* textColour) override;

    juce::Font getPopupMenuFont() override;

    void drawMenuBarBackground (juce::Graphics& g, int width, int height, bool isMouseOverBar,
                                juce::MenuBarComponent& menuBar) override;

    int getMenuBarItemWidth (juce::MenuBarComponent& menuBar, int itemIndex,
                             const juce::String& itemText) override;

    juce::Font getMenuBarFont (juce::MenuBarComponent& menuBar, int itemIndex,
                               const juce::String& itemText) override;

    void drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex,
                          const juce::String& itemText, bool isMouseOverItem, bool isMenuOpen,
                          bool isMouseOverBar, juce::MenuBarComponent& menuBar) override;

private:
    static void drawPopupMenuSeparator (juce::Graphics& g, const juce::Rectangle<int>& area);
    void drawPopupMenuSubMenuArrow (juce::Graphics& g, juce::Rectangle<int>& textArea);

    int menuFontHeight = 16;
    int menuBarItemFontHeight = 15;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DefaultLookAndFeel)
};
} // namespace xTV200_ui
