#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace xTV200_ui
{
/** An imitation of the synthesizer's 128x64 graphic display, drawn scaled to
    the component's size: line 1 as up to three large figures on the upper
    half, line 2 centred in the proportional font on the lower half.
*/
class SubDisplayComponent final : public juce::Component
{
public:
    static constexpr int pixelColumns = 128;
    static constexpr int pixelRows = 64;

    SubDisplayComponent();

    /** Stores the lines, draws the pixels and repaints. */
    void setLines (const juce::String& line1, const juce::String& line2);

    const juce::String& getLine1() const noexcept { return line1; }
    const juce::String& getLine2() const noexcept { return line2; }

    bool isPixelLit (int column, int row) const noexcept;

    void paint (juce::Graphics& g) override;

private:
    void render();
    void renderFigures();
    void renderText();
    void light (int column, int row) noexcept;

    juce::String line1, line2;
    std::array<std::uint8_t, pixelColumns * pixelRows> pixels{};
    juce::Image image;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SubDisplayComponent)
};
} // namespace xTV200_ui
