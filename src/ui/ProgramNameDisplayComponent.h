#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace xTV200_ui
{
/** An imitation of the synthesizer's two-line character display: 16 cells of
    6x8 dots per line, each dot drawn as a 2x2 white square (192x32 pixels).
    It paints only the dots; its owner paints the black glass behind it.
*/
class ProgramNameDisplayComponent final : public juce::Component
{
public:
    static constexpr int cellsPerLine = 16;
    static constexpr int dotColumns = 96;
    static constexpr int dotRows = 16;

    ProgramNameDisplayComponent();

    /** Centres each line in its 16 cells (a longer line loses its end), draws the dots and repaints. */
    void setLines (const juce::String& line1, const juce::String& line2);

    const juce::String& getLine1() const noexcept { return line1; }
    const juce::String& getLine2() const noexcept { return line2; }

    /** The line as its 16 cells show it, after centring. */
    static juce::String centreInCells (const juce::String& line);

    bool isDotLit (int column, int row) const noexcept;

    void paint (juce::Graphics& g) override;

private:
    void render();
    void renderLine (const juce::String& cells, int firstRow);

    juce::String line1, line2;
    std::array<bool, dotColumns * dotRows> dots{};
    juce::Image image;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramNameDisplayComponent)
};
} // namespace xTV200_ui
