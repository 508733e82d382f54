#pragma once

#include "ui/GlyphSheet.h"

namespace xTV200_ui
{
/** The 6x8 dot character font of the header's program name display.

    The font holds 130 glyphs: the printable ASCII codes, a few arrows, bar
    graph steps and the display's own forms of the ASCII symbols that the
    translation table sends elsewhere.
*/
class CharacterDisplayFont final
{
public:
    static constexpr int glyphWidth = 6;
    static constexpr int glyphHeight = 8;
    static constexpr int numGlyphs = 130;

    /** The code a character is drawn with: characters 32 to 127 go through the
        display's translation table (letters and digits stay, '$', '@', '[',
        '\', ']', '^', '_', '`', '{', '|', '}', '~' and 127 move to the display's
        own symbols); every other character keeps its code. */
    static int translate (juce::juce_wchar character) noexcept;

    /** The glyph of a code; a code the font does not hold gets the default glyph (an empty box). */
    static const GlyphSheet::Glyph& getGlyph (int code);

    /** The whole drawing, with the faults found in it (none in a sound table). */
    static const GlyphSheet& getSheet();

    static constexpr int defaultGlyphCode = 0;
};
} // namespace xTV200_ui
