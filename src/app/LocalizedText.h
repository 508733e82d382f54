#pragma once

#include <juce_core/juce_core.h>

/** The text of key in the strings table of the display language.

    Look the text up when it is shown rather than keeping it: that is the one
    place every user-visible text comes from. A key that the table lacks gives
    the empty string, not the key.
*/
juce::String getLocalizedText (const juce::String& key);
