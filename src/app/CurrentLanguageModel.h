#pragma once

#include "base/Singleton.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

namespace xTV200_application
{
/** The language and system font chosen once at start-up. */
class CurrentLanguageModel final : public Singleton<CurrentLanguageModel>, private juce::DeletedAtShutdown
{
public:
    CurrentLanguageModel() = default;

    bool isJapanese = false;
    juce::String systemFontName;
};
} // namespace xTV200_application
