#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "app/LastSavedFileStatusListener.h"

#include <juce_events/juce_events.h>

namespace application
{
/** The file the library was last saved to or opened from; none while the
    library is untitled.
*/
class LastSavedFileStatus final : public Singleton<LastSavedFileStatus>,
                                  public ListenerHolder<LastSavedFileStatusListener>,
                                  public juce::AsyncUpdater,
                                  private juce::DeletedAtShutdown
{
public:
    LastSavedFileStatus() = default;

    /** Stores the file and notifies, unless it names the same path ignoring case. */
    void setFile (const juce::File& newFile);
    const juce::File& getFile() const noexcept { return file; }

private:
    void handleAsyncUpdate() override;

    juce::File file;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LastSavedFileStatus)
};
} // namespace application
