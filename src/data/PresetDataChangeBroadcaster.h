#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "data/PresetDataChangeBroadcasterObserver.h"

#include <juce_events/juce_events.h>

namespace data
{
/** Tells its observers, once per pass of the message loop, that the preset
    collection was reloaded.
*/
class PresetDataChangeBroadcaster final : public Singleton<PresetDataChangeBroadcaster>,
                                          public ListenerHolder<PresetDataChangeBroadcasterObserver>,
                                          public juce::AsyncUpdater,
                                          private juce::DeletedAtShutdown
{
public:
    PresetDataChangeBroadcaster() = default;

private:
    void handleAsyncUpdate() override
    {
        callObservers ([] (PresetDataChangeBroadcasterObserver& observer) { observer.presetDataChanged(); });
    }

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetDataChangeBroadcaster)
};
} // namespace data
