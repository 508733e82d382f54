#include "ui/ProgramListLookAndFeel.h"

namespace xTV200_ui
{
namespace
{
juce::Path makeRoundedBar (float x, float y, float width, float height, bool vertical)
{
    juce::Path path;
    path.addRoundedRectangle (x, y, width, height, (vertical ? width : height) * 0.5f);
    return path;
}

juce::Path makeArrow (float w, float h, int direction)
{
    juce::Path p;

    switch (direction)
    {
        case 0: p.addTriangle (w * 0.5f, h * 0.2f, w * 0.1f, h * 0.7f, w * 0.9f, h * 0.7f); break;
        case 1: p.addTriangle (w * 0.8f, h * 0.5f, w * 0.3f, h * 0.1f, w * 0.3f, h * 0.9f); break;
        case 2: p.addTriangle (w * 0.5f, h * 0.8f, w * 0.1f, h * 0.3f, w * 0.9f, h * 0.3f); break;
        default: p.addTriangle (w * 0.2f, h * 0.5f, w * 0.7f, h * 0.1f, w * 0.7f, h * 0.9f); break;
    }

    return p;
}
} // namespace

ProgramListLookAndFeel::ProgramListLookAndFeel()
{
    // The framework's scheme would give the thumb its own accent colour; the
    // list wants the plain grey one unless a scroll bar sets its own.
    setColour (juce::ScrollBar::thumbColourId, juce::Colour (0xff666666));
}

void ProgramListLookAndFeel::drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent&)
{
    g.fillAll (juce::Colour (0xff440404));
}

void ProgramListLookAndFeel::drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent&,
                                                    const juce::String& columnName, int, int width, int height,
                                                    bool isMouseOver, bool isMouseDown, int columnFlags)
{
    if (isMouseDown)
        g.fillAll (juce::Colour (0x77aaaaaa));
    else if (isMouseOver)
        g.fillAll (juce::Colour (0x44aaaaaa));

    auto area = juce::Rectangle<int> (width, height).reduced (4, 0);
    constexpr auto sortedFlags =
        juce::TableHeaderComponent::sortedForwards | juce::TableHeaderComponent::sortedBackwards;

    if ((columnFlags & sortedFlags) != 0)
    {
        juce::Path arrow;
        const auto forwards = (columnFlags & juce::TableHeaderComponent::sortedForwards) != 0;
        arrow.addTriangle (0.0f, 0.0f, 0.5f, forwards ? -0.8f : 0.8f, 1.0f, 0.0f);
        g.setColour (juce::Colours::white);
        g.fillPath (arrow, arrow.getTransformToScaleToFit (
                               area.removeFromRight (height / 2).reduced (2).toFloat(), true));
    }

    g.setColour (juce::Colours::white);
    g.setFont (juce::Font (static_cast<float> (height) * 0.5f, juce::Font::bold));
    g.drawFittedText (columnName, area, juce::Justification::centredLeft, 1, 0.7f);
}

juce::Colour ProgramListLookAndFeel::getThumbColour (juce::ScrollBar& scrollbar)
{
    if (scrollbar.isColourSpecified (juce::ScrollBar::thumbColourId))
        return scrollbar.findColour (juce::ScrollBar::thumbColourId);

    return findColour (juce::ScrollBar::thumbColourId);
}

void ProgramListLookAndFeel::drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollbar, int x, int y,
                                            int width, int height, bool vertical, int thumbStart,
                                            int thumbSize, bool, bool)
{
    g.fillAll (juce::Colour (0xff222222));

    const auto slotIndent = juce::jmin (width, height) > 15 ? 1.0f : 0.0f;
    const auto thumbIndent = slotIndent + 1.0f;
    const auto fx = static_cast<float> (x), fy = static_cast<float> (y);
    const auto fw = static_cast<float> (width), fh = static_cast<float> (height);
    const auto slot = makeRoundedBar (fx + slotIndent, fy + slotIndent, fw - slotIndent * 2.0f,
                                      fh - slotIndent * 2.0f, vertical);

    juce::Path thumb;
    if (thumbSize > 0)
    {
        const auto start = static_cast<float> (thumbStart) + thumbIndent;
        const auto length = static_cast<float> (thumbSize) - thumbIndent * 2.0f;
        thumb = vertical ? makeRoundedBar (fx + thumbIndent, start, fw - thumbIndent * 2.0f, length, true)
                         : makeRoundedBar (start, fy + thumbIndent, length, fh - thumbIndent * 2.0f, false);
    }

    const auto thumbColour = getThumbColour (scrollbar);
    const auto across = vertical ? fw : fh;
    const auto origin = vertical ? fx : fy;
    const auto point = [vertical] (float along) {
        return vertical ? juce::Point<float> (along, 0.0f) : juce::Point<float> (0.0f, along);
    };

    // The track is the thumb's colour darkened, shaded across its width.
    g.setGradientFill (juce::ColourGradient (thumbColour.overlaidWith (juce::Colour (0x44000000)), point (origin),
                                             thumbColour.overlaidWith (juce::Colour (0x19000000)),
                                             point (origin + across * 0.7f), false));
    g.fillPath (slot);

    g.setGradientFill (juce::ColourGradient (juce::Colours::transparentBlack, point (origin + across * 0.6f),
                                             juce::Colour (0x19000000), point (origin + across), false));
    g.fillPath (slot);

    g.setColour (thumbColour);
    g.fillPath (thumb);

    {
        juce::Graphics::ScopedSaveState state (g);
        g.setGradientFill (juce::ColourGradient (juce::Colour (0x10000000), point (origin + across * 0.6f),
                                                 juce::Colours::transparentBlack, point (origin + across), false));
        if (vertical)
            g.reduceClipRegion (x + width / 2, y, width, height);
        else
            g.reduceClipRegion (x, y + height / 2, width, height);
        g.fillPath (thumb);
    }

    g.setColour (juce::Colour (0x4c000000));
    g.strokePath (thumb, juce::PathStrokeType (0.4f));
}

void ProgramListLookAndFeel::drawScrollbarButton (juce::Graphics& g, juce::ScrollBar&, int width, int height,
                                                  int buttonDirection, bool, bool, bool isButtonDown)
{
    const auto arrow = makeArrow (static_cast<float> (width), static_cast<float> (height), buttonDirection);
    const juce::Colour fill (0xff444444);

    g.setColour (isButtonDown ? fill.brighter (0.2f) : fill);
    g.fillPath (arrow);
    g.setColour (juce::Colour (0x80888888));
    g.strokePath (arrow, juce::PathStrokeType (0.5f));
}
} // namespace xTV200_ui
