#pragma once

#include <juce_core/juce_core.h>

namespace application
{
/** The two languages the strings table comes in. */
enum class DisplayLanguage
{
    english,
    japanese
};

/** Chooses the display language from the locale variables, as the C library
    ranks them for messages: the first of LC_ALL, LC_MESSAGES and LANG that is
    not empty decides.

    Japanese is chosen when the language part of that value (the text before
    any "_", "." or "@") is "ja", or the C library's old alias "japanese",
    compared without regard to letter case; so "ja", "ja_JP.UTF-8" and
    "ja.eucJP" give Japanese, while "jam" (a different language's code) gives
    English. Every other value, and no value at all, gives English.
*/
DisplayLanguage chooseDisplayLanguage (const juce::String& lcAll, const juce::String& lcMessages,
                                       const juce::String& lang);

/** chooseDisplayLanguage() applied to this process's environment. */
DisplayLanguage getSystemDisplayLanguage();
} // namespace application
