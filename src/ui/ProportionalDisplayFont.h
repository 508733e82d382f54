#pragma once

#include "ui/GlyphSheet.h"

#include <array>

namespace xTV200_ui
{
/** The proportional 16-dot font of the sub display's second line (printable
    ASCII), with the outline metrics that let neighbouring glyphs close up.

    Each glyph carries a width byte (bits 0-5 the width, bit 7 set when its
    left edge is a tall stem, bit 6 when its right edge is one) and four metric
    bytes: how far its outline stays off the left edge (bytes 0 and 1) and off
    the right edge (bytes 2 and 3) in the four bands of four rows, one nibble
    per band, the top band in the high nibble of the first byte of each pair.
*/
class ProportionalDisplayFont final
{
public:
    static constexpr int glyphHeight = 16;
    static constexpr int normalGap = 4;

    struct Glyph
    {
        std::uint8_t widthAndFlags = 0;
        std::array<std::uint8_t, 4> metrics{};
        std::vector<std::uint16_t> columns; ///< bit 0 is the top row

        int getWidth() const noexcept { return widthAndFlags & 0x3f; }
    };

    /** The glyph of a character, or nullptr when the font holds none. */
    static const Glyph* findGlyph (juce::juce_wchar character);

    /** The change to the normal gap between two neighbouring glyphs (0 when either is missing). */
    static int getKerning (const Glyph* previous, const Glyph* current) noexcept;

    /** Turns a drawn glyph into its width byte, metrics and columns. */
    static Glyph makeGlyph (const GlyphSheet::Glyph& drawn);

    static const GlyphSheet& getSheet();
};
} // namespace xTV200_ui
