#include "ui/SubDisplayComponent.h"

#include "ui/LargeDigitFont.h"
#include "ui/ProportionalDisplayFont.h"

namespace xTV200_ui
{
namespace
{
constexpr int firstFigureColumn = 39;
constexpr int figureSpacing = 4;
constexpr int maximumFigures = 3;
constexpr int maximumTextCharacters = 11;
constexpr int textTopRow = 40;
const juce::Colour dotColour (0xe0fafaff);
} // namespace

SubDisplayComponent::SubDisplayComponent()
    : image (juce::Image::ARGB, pixelColumns, pixelRows, true)
{
    setSize (pixelColumns, pixelRows);
    setInterceptsMouseClicks (false, false);
}

void SubDisplayComponent::setLines (const juce::String& newLine1, const juce::String& newLine2)
{
    line1 = newLine1;
    line2 = newLine2;
    render();
    repaint();
}

bool SubDisplayComponent::isPixelLit (int column, int row) const noexcept
{
    if (column < 0 || column >= pixelColumns || row < 0 || row >= pixelRows)
        return false;

    return pixels[static_cast<size_t> (row * pixelColumns + column)] != 0;
}

void SubDisplayComponent::paint (juce::Graphics& g)
{
    g.setImageResamplingQuality (juce::Graphics::highResamplingQuality);
    g.drawImage (image, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}

void SubDisplayComponent::light (int column, int row) noexcept
{
    if (column >= 0 && column < pixelColumns && row >= 0 && row < pixelRows)
        pixels[static_cast<size_t> (row * pixelColumns + column)] = 1;
}

void SubDisplayComponent::render()
{
    pixels.fill (0);
    renderFigures();
    renderText();

    image.clear (image.getBounds());

    for (int row = 0; row < pixelRows; ++row)
        for (int column = 0; column < pixelColumns; ++column)
            if (isPixelLit (column, row))
                image.setPixelAt (column, row, dotColour);
}

void SubDisplayComponent::renderFigures()
{
    auto x = firstFigureColumn;

    // Characters the large font does not hold take no room at all.
    for (int index = 0; index < juce::jmin (maximumFigures, line1.length()); ++index)
    {
        const auto* glyph = LargeDigitFont::findGlyph (line1[index]);

        if (glyph == nullptr)
            continue;

        for (int column = 0; column < glyph->width; ++column)
            for (int row = 0; row < LargeDigitFont::glyphHeight; ++row)
                if (glyph->isLit (column, row))
                    light (x + column, row);

        x += glyph->width + figureSpacing;
    }
}

void SubDisplayComponent::renderText()
{
    const auto text = line2.substring (0, maximumTextCharacters);
    std::vector<const ProportionalDisplayFont::Glyph*> glyphs;
    std::vector<int> gaps;
    int total = 0;

    // Measuring stops at the first 0, drawing at the first control character.
    for (int index = 0; index < text.length() && text[index] != 0; ++index)
    {
        const auto* glyph = ProportionalDisplayFont::findGlyph (text[index]);
        const auto* previous = index > 0 ? ProportionalDisplayFont::findGlyph (text[index - 1]) : nullptr;
        const auto gap = ProportionalDisplayFont::normalGap +
                         (index > 0 ? ProportionalDisplayFont::getKerning (previous, glyph) : 0);
        glyphs.push_back (glyph);
        gaps.push_back (gap);
        total += (glyph != nullptr ? glyph->getWidth() : 0) + gap;
    }

    auto x = pixelColumns / 2 - total / 2;

    for (size_t index = 0; index < glyphs.size() && text[static_cast<int> (index)] >= 32; ++index)
    {
        x += gaps[index];

        if (const auto* glyph = glyphs[index])
        {
            for (int column = 0; column < glyph->getWidth(); ++column)
                for (int row = 0; row < ProportionalDisplayFont::glyphHeight; ++row)
                    if ((glyph->columns[static_cast<size_t> (column)] >> row & 1) != 0)
                        light (x + column, textTopRow + row);

            x += glyph->getWidth();
        }
    }
}
} // namespace xTV200_ui
