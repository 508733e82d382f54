#pragma once

#include <juce_core/juce_core.h>

namespace application
{
/** Japanese texts for the framework's own built-in words: the text editor's
    pop-up menu and the standard alert buttons. The strings table does not
    reach those, so in Japanese mode they are installed as the framework's
    current translations at start-up.
*/
class FrameworkTranslations final
{
public:
    /** The translations in the framework's translation-file form. */
    static juce::String getTranslationFileText();

    /** Makes these the framework's current translations (used by juce::translate()). */
    static void install();

private:
    FrameworkTranslations() = delete;
};
} // namespace application
