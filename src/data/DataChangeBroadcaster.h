#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "data/DataChangeObserver.h"

#include <juce_events/juce_events.h>

namespace data
{
/** Tells every data observer that the library changed.

    It relays every change message of the undo history (an action performed,
    undone or redone, the history cleared); code that replaces the library
    outside the history (open, import, new) triggers it directly. Several
    triggers before the message loop runs give one dataChanged() call.
*/
class DataChangeBroadcaster final : public Singleton<DataChangeBroadcaster>,
                                    public ListenerHolder<DataChangeObserver>,
                                    public juce::AsyncUpdater,
                                    private juce::DeletedAtShutdown,
                                    private juce::ChangeListener
{
public:
    DataChangeBroadcaster();
    ~DataChangeBroadcaster() override;

private:
    void handleAsyncUpdate() override;
    void changeListenerCallback (juce::ChangeBroadcaster*) override { triggerAsyncUpdate(); }

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DataChangeBroadcaster)
};
} // namespace data
