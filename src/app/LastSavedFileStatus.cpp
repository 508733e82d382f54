#include "app/LastSavedFileStatus.h"

namespace application
{
void LastSavedFileStatus::setFile (const juce::File& newFile)
{
    if (newFile.getFullPathName().equalsIgnoreCase (file.getFullPathName()))
        return;

    file = newFile;
    triggerAsyncUpdate();
}

void LastSavedFileStatus::handleAsyncUpdate()
{
    const auto current = file;
    callObservers ([&current] (LastSavedFileStatusListener& listener) { listener.lastSavedFileChanged (current); });
}
} // namespace application
