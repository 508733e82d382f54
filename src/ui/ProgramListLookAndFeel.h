#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The program list's own look: a dark red table header with white column
    names and dark scroll bars with arrow buttons, over the framework's
    default look for everything else. */
class ProgramListLookAndFeel final : public juce::LookAndFeel_V4
{
public:
    ProgramListLookAndFeel();

    void drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent& header) override;
    void drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent& header,
                                const juce::String& columnName, int columnId, int width, int height,
                                bool isMouseOver, bool isMouseDown, int columnFlags) override;

    bool areScrollbarButtonsVisible() override { return true; }
    void drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollbar, int x, int y, int width, int height,
                        bool isScrollbarVertical, int thumbStartPosition, int thumbSize, bool isMouseOver,
                        bool isMouseDown) override;
    void drawScrollbarButton (juce::Graphics& g, juce::ScrollBar& scrollbar, int width, int height,
                              int buttonDirection, bool isScrollbarVertical, bool isButtonHighlighted,
                              bool isButtonDown) override;

private:
    juce::Colour getThumbColour (juce::ScrollBar& scrollbar);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramListLookAndFeel)
};
} // namespace xTV200_ui
