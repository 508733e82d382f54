#include "ui/GlyphSheet.h"

namespace xTV200_ui
{
bool GlyphSheet::Glyph::isLit (int column, int row) const noexcept
{
    if (column < 0 || column >= static_cast<int> (columns.size()) || row < 0 || row >= 32)
        return false;

    return (columns[static_cast<size_t> (column)] >> row & 1u) != 0;
}

GlyphSheet::GlyphSheet (int rowsOfDots)
    : height (juce::jlimit (1, 32, rowsOfDots))
{
}

void GlyphSheet::addBand (const std::vector<int>& codes, const std::vector<const char*>& rows, int fixedWidth)
{
    const auto bandName = "band " + juce::String (++numBands);
    std::vector<juce::StringArray> cells;

    if (! splitBand (rows, cells, bandName))
        return;

    if (cells.front().size() != static_cast<int> (codes.size()))
    {
        faults.add (bandName + ": " + juce::String (cells.front().size()) + " glyphs drawn for " +
                    juce::String (static_cast<int> (codes.size())) + " codes");
        return;
    }

    for (int index = 0; index < static_cast<int> (codes.size()); ++index)
    {
        const auto code = codes[static_cast<size_t> (index)];
        const auto width = cells.front()[index].length();

        if (fixedWidth > 0 && width != fixedWidth)
            faults.add (bandName + ": code " + juce::String (code) + " is " + juce::String (width) +
                        " dots wide, not " + juce::String (fixedWidth));
        else if (findGlyph (code) != nullptr)
            faults.add (bandName + ": code " + juce::String (code) + " is drawn twice");
        else
            addGlyph (code, cells, index);
    }
}

void GlyphSheet::addBand (const char* characters, const std::vector<const char*>& rows, int fixedWidth)
{
    std::vector<int> codes;

    for (const auto* c = characters; c != nullptr && *c != 0; ++c)
        codes.push_back (static_cast<unsigned char> (*c));

    addBand (codes, rows, fixedWidth);
}

const GlyphSheet::Glyph* GlyphSheet::findGlyph (int code) const noexcept
{
    for (const auto& glyph : glyphs)
        if (glyph.code == code)
            return &glyph;

    return nullptr;
}

bool GlyphSheet::splitBand (const std::vector<const char*>& rows, std::vector<juce::StringArray>& cells,
                            const juce::String& bandName)
{
    if (static_cast<int> (rows.size()) != height)
    {
        faults.add (bandName + ": " + juce::String (static_cast<int> (rows.size())) + " rows, not " +
                    juce::String (height));
        return false;
    }

    for (int row = 0; row < height; ++row)
    {
        const auto* text = rows[static_cast<size_t> (row)];
        const auto rowName = bandName + " row " + juce::String (row);

        if (text == nullptr)
        {
            faults.add (rowName + " is missing");
            return false;
        }

        const juce::String line (text);

        if (! line.containsOnly ("#. "))
        {
            faults.add (rowName + " holds a character other than '#', '.' and blank");
            return false;
        }

        // Every row must cut the band into glyphs of the widths of the first row.
        cells.push_back (juce::StringArray::fromTokens (line, " ", ""));

        if (cells.back().size() != cells.front().size() || line.length() != juce::String (rows[0]).length())
        {
            faults.add (rowName + " does not line up with row 0");
            return false;
        }

        for (int index = 0; index < cells.back().size(); ++index)
        {
            if (cells.back()[index].length() != cells.front()[index].length() ||
                cells.back()[index].isEmpty())
            {
                faults.add (rowName + " does not line up with row 0");
                return false;
            }
        }
    }

    return true;
}

void GlyphSheet::addGlyph (int code, const std::vector<juce::StringArray>& cells, int index)
{
    Glyph glyph;
    glyph.code = code;
    glyph.width = cells.front()[index].length();
    glyph.columns.assign (static_cast<size_t> (glyph.width), 0u);

    for (int row = 0; row < height; ++row)
    {
        const auto& cell = cells[static_cast<size_t> (row)][index];

        for (int column = 0; column < glyph.width; ++column)
            if (cell[column] == '#')
                glyph.columns[static_cast<size_t> (column)] |= 1u << row;
    }

    glyphs.push_back (std::move (glyph));
}
} // namespace xTV200_ui
