#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "ui/state/SelectedProgramStatusObserver.h"

#include <juce_events/juce_events.h>

#include <vector>

namespace ui
{
/** The process-wide list of selected library slots, ascending. It starts
    with slot 0 so that the first program is selected at start-up.
*/
class SelectedProgramStatus final : public Singleton<SelectedProgramStatus>,
                                    public ListenerHolder<SelectedProgramStatusObserver>,
                                    public juce::AsyncUpdater,
                                    private juce::DeletedAtShutdown
{
public:
    SelectedProgramStatus() = default;

    const std::vector<int>& getSelection() const noexcept { return selection; }

    /** Replaces the selection (sorted, duplicates dropped) and triggers the update. */
    void setSelection (std::vector<int> slots);

private:
    void handleAsyncUpdate() override;

    std::vector<int> selection { 0 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SelectedProgramStatus)
};
} // namespace ui
