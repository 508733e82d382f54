#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The application's named fonts and the system font they are drawn in. */
namespace xTV200_ui::NamedFonts
{
/** The typeface the list and header fonts are drawn in: "Arial" where it is
    installed, otherwise the metric-compatible "Liberation Sans", otherwise
    the framework's default sans-serif typeface. The framework finds typefaces
    by their exact family name and draws nothing for a missing one, so the
    name must be one that is installed.
*/
juce::String getArialTypefaceName();

/** The installed typeface that suits the user interface's default texts: the
    first of a list of faces that hold both Latin and Japanese glyphs, or an
    empty text when none of them is installed. The framework draws each text
    in one typeface without falling back to another for missing glyphs, and
    the strings table, tweets and user names may be Japanese.
*/
juce::String findSystemFontName();

/** Makes the system font the default sans-serif typeface of lookAndFeel,
    which must be (or become) the framework's default look and feel, and adds
    "DefaultFont" and "DefaultBoldFont" (the system font at 13) to the font
    library. Does nothing and returns false when no such font is installed.
*/
bool applySystemFont (juce::LookAndFeel& lookAndFeel);

/** Adds the application's named fonts to the font library, in the order in
    which they take precedence ("DefaultFont" and "DefaultBoldFont" come from
    applySystemFont(), which runs first).
*/
void addNamedFonts();
} // namespace xTV200_ui::NamedFonts
