#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "app/DataEditStatusListener.h"

#include <juce_events/juce_events.h>

namespace application
{
/** Whether the library was changed since it was last opened, saved, imported
    or created.

    Each clearModified() that marks the library as matching its file starts a
    new saved state; actions remember the saved state they were performed in,
    so that undoing an edit made before the last save marks the library
    modified again instead of clean.
*/
class DataEditStatus final : public Singleton<DataEditStatus>,
                             public ListenerHolder<DataEditStatusListener>,
                             public juce::AsyncUpdater,
                             private juce::DeletedAtShutdown
{
public:
    DataEditStatus() = default;

    void setModified();
    void clearModified();
    bool isModified() const noexcept { return modified; }

    /** Changes each time the library is marked as matching its file again. */
    juce::uint32 getSavedStateId() const noexcept { return savedStateId; }

private:
    void handleAsyncUpdate() override;

    bool modified = false;
    juce::uint32 savedStateId = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DataEditStatus)
};
} // namespace application
