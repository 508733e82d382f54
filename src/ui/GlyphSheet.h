#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <vector>

namespace xTV200_ui
{
/** The glyphs of a dot-matrix font, read from rows of text the way a font
    designer draws them on squared paper: '#' is a lit dot, '.' a dark one,
    and the glyphs of a band stand side by side, one blank apart.

    Mistakes in the drawing (a missing or short row, a stray character, a band
    with more or fewer glyphs than codes) are collected as fault texts instead
    of being drawn, so a test can prove that every table is whole.
*/
class GlyphSheet final
{
public:
    struct Glyph
    {
        int code = 0;
        int width = 0;

        /** One entry per column, left to right; bit r is dot row r (bit 0 the top row). */
        std::vector<std::uint32_t> columns;

        bool isLit (int column, int row) const noexcept;
    };

    /** rowsOfDots is the height of every glyph (at most 32). */
    explicit GlyphSheet (int rowsOfDots);

    /** Adds the glyphs of one band: codes in drawing order and one text per dot
        row (null for a row that is missing). A fixedWidth above 0 is the width
        every glyph of the band must have. */
    void addBand (const std::vector<int>& codes, const std::vector<const char*>& rows, int fixedWidth);

    /** The same for a band whose codes are the characters of a text, in order. */
    void addBand (const char* characters, const std::vector<const char*>& rows, int fixedWidth);

    int getHeight() const noexcept { return height; }
    const std::vector<Glyph>& getGlyphs() const noexcept { return glyphs; }
    const juce::StringArray& getFaults() const noexcept { return faults; }

    /** The glyph of a code, or nullptr when the sheet holds none. */
    const Glyph* findGlyph (int code) const noexcept;

private:
    bool splitBand (const std::vector<const char*>& rows, std::vector<juce::StringArray>& cells,
                    const juce::String& bandName);
    void addGlyph (int code, const std::vector<juce::StringArray>& cells, int index);

    int height;
    std::vector<Glyph> glyphs;
    juce::StringArray faults;
    int numBands = 0;
};
} // namespace xTV200_ui
