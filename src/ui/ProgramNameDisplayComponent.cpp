#include "ui/ProgramNameDisplayComponent.h"

#include "ui/CharacterDisplayFont.h"

namespace xTV200_ui
{
ProgramNameDisplayComponent::ProgramNameDisplayComponent()
    : image (juce::Image::ARGB, dotColumns * 2, dotRows * 2, true)
{
    setSize (dotColumns * 2, dotRows * 2);
    setInterceptsMouseClicks (false, false);
}

void ProgramNameDisplayComponent::setLines (const juce::String& newLine1, const juce::String& newLine2)
{
    line1 = newLine1;
    line2 = newLine2;
    render();
    repaint();
}

juce::String ProgramNameDisplayComponent::centreInCells (const juce::String& line)
{
    const auto blanks = static_cast<int> (8.0 - line.length() * 0.5);
    const auto centred = blanks >= 1 ? juce::String::repeatedString (" ", blanks) + line : line;
    return centred.substring (0, cellsPerLine).paddedRight (' ', cellsPerLine);
}

bool ProgramNameDisplayComponent::isDotLit (int column, int row) const noexcept
{
    if (column < 0 || column >= dotColumns || row < 0 || row >= dotRows)
        return false;

    return dots[static_cast<size_t> (row * dotColumns + column)];
}

void ProgramNameDisplayComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (image, 0, 0);
}

void ProgramNameDisplayComponent::render()
{
    dots.fill (false);
    renderLine (centreInCells (line1), 0);
    renderLine (centreInCells (line2), CharacterDisplayFont::glyphHeight);

    image.clear (image.getBounds());
    juce::Graphics g (image);
    g.setColour (juce::Colours::white);

    for (int row = 0; row < dotRows; ++row)
        for (int column = 0; column < dotColumns; ++column)
            if (isDotLit (column, row))
                g.fillRect (column * 2, row * 2, 2, 2);
}

void ProgramNameDisplayComponent::renderLine (const juce::String& cells, int firstRow)
{
    for (int cell = 0; cell < cellsPerLine; ++cell)
    {
        const auto& glyph = CharacterDisplayFont::getGlyph (CharacterDisplayFont::translate (cells[cell]));

        for (int column = 0; column < CharacterDisplayFont::glyphWidth; ++column)
            for (int row = 0; row < CharacterDisplayFont::glyphHeight; ++row)
                if (glyph.isLit (column, row))
                    dots[static_cast<size_t> ((firstRow + row) * dotColumns +
                                              cell * CharacterDisplayFont::glyphWidth + column)] = true;
    }
}
} // namespace xTV200_ui
