#include "ui/MainWindowTitle.h"

#include "app/LocalizedText.h"

namespace xTV200_ui
{
juce::String makeMainWindowTitle (const juce::File& libraryFile, bool modified)
{
    const auto filePart =
        libraryFile == juce::File() ? getLocalizedText ("CommonUntitledFileName") : libraryFile.getFileName();
    auto title = getLocalizedText ("CommonApplicationName") + " - " + filePart;

    if (modified)
        title += getLocalizedText ("CommonWindowTitleModified");

    return title;
}
} // namespace xTV200_ui
