#include "app/DebugModeModel.h"

namespace xTV200_application
{
void DebugModeModel::readMarkerFiles (const juce::File& preferencesFolder)
{
    if (preferencesFolder.getChildFile (developerModeFileName).existsAsFile())
        developerMode = true;

    if (preferencesFolder.getChildFile (debugModeFileName).existsAsFile())
    {
        debugMode = true;
        showDebugInformation = true;
    }
}
} // namespace xTV200_application
