#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui::PresetListRow
{
/** The height of every row of the preset tree: the program list's row
    height, read at each call so that both lists change size together. Never
    below 1, so that a missing setting does not make the rows vanish. */
int getHeight();

/** Draws a row's text as both kinds of item draw it: white, in the preset
    list font, 5 pixels in from the left, vertically centred, and shortened
    with an ellipsis when it does not fit. */
void drawText (juce::Graphics& g, const juce::String& text, int width, int height);
} // namespace xTV200_ui::PresetListRow
