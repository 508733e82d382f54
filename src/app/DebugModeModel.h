#pragma once

#include "base/Singleton.h"

#include <juce_core/juce_core.h>

namespace xTV200_application
{
/** The developer and debug features, switched on only by marker files in the
    preferences folder at start-up. Only the files' existence counts.

    Unlike the other singletons it is not deleted at shutdown: it lives until
    the process ends.
*/
class DebugModeModel final : public Singleton<DebugModeModel>
{
public:
    static constexpr const char* developerModeFileName = "DeveloperMode_TV200.txt";
    static constexpr const char* debugModeFileName = "DebugMode.txt";

    DebugModeModel() = default;

    /** Sets the flags whose marker files exist in the folder. */
    void readMarkerFiles (const juce::File& preferencesFolder);

    bool developerMode = false;
    bool debugMode = false;
    bool showDebugInformation = false;
};
} // namespace xTV200_application
