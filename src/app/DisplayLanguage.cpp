#include "app/DisplayLanguage.h"

#include <cstdlib>

namespace application
{
namespace
{
juce::String readEnvironmentVariable (const char* name)
{
    if (const auto* value = std::getenv (name))
        return juce::String::fromUTF8 (value);

    return {};
}

/** "ja_JP.UTF-8@variant" -> "ja". */
juce::String getLanguagePart (const juce::String& localeName)
{
    const auto end = localeName.indexOfAnyOf ("_.@");
    return end < 0 ? localeName : localeName.substring (0, end);
}

bool isJapaneseLanguagePart (const juce::String& language)
{
    return language.equalsIgnoreCase ("ja") || language.equalsIgnoreCase ("japanese");
}
} // namespace

DisplayLanguage chooseDisplayLanguage (const juce::String& lcAll, const juce::String& lcMessages,
                                       const juce::String& lang)
{
    for (const auto* value : {&lcAll, &lcMessages, &lang})
    {
        if (value->isNotEmpty())
            return isJapaneseLanguagePart (getLanguagePart (*value)) ? DisplayLanguage::japanese
                                                                     : DisplayLanguage::english;
    }

    return DisplayLanguage::english;
}

DisplayLanguage getSystemDisplayLanguage()
{
    return chooseDisplayLanguage (readEnvironmentVariable ("LC_ALL"), readEnvironmentVariable ("LC_MESSAGES"),
                                  readEnvironmentVariable ("LANG"));
}
} // namespace application
