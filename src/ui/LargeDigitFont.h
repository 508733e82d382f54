#pragma once

#include "ui/GlyphSheet.h"

namespace xTV200_ui
{
/** The 14x24 digit font of the sub display's first line: the characters
    '0' to '9' and ':', ';', '<', '=', '>' (codes 48 to 62). */
class LargeDigitFont final
{
public:
    static constexpr int glyphWidth = 14;
    static constexpr int glyphHeight = 24;
    static constexpr int firstCode = '0';
    static constexpr int lastCode = '>';

    /** The glyph of a character, or nullptr for one outside '0' to '>'. */
    static const GlyphSheet::Glyph* findGlyph (juce::juce_wchar character);

    static const GlyphSheet& getSheet();
};
} // namespace xTV200_ui
