#pragma once

#include "app/PreferencesDataChangeBroadcasterObserver.h"
#include "base/ListenerHolder.h"
#include "base/Singleton.h"

#include <juce_events/juce_events.h>

namespace application
{
/** Tells the observers that the settings changed.

    triggerAsyncUpdate() (or a change message) schedules one notification; when
    the message loop delivers it, every observer's preferencesChanged() is
    called in registration order. Several triggers before then give a single
    notification. Add and remove observers on the message thread.
*/
class PreferencesDataChangeBroadcaster final : public Singleton<PreferencesDataChangeBroadcaster>,
                                               public ListenerHolder<PreferencesDataChangeBroadcasterObserver>,
                                               public juce::AsyncUpdater,
                                               public juce::ChangeListener,
                                               public juce::DeletedAtShutdown
{
public:
    PreferencesDataChangeBroadcaster() = default;
    ~PreferencesDataChangeBroadcaster() override;

    /** Only triggers the notification. */
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void handleAsyncUpdate() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PreferencesDataChangeBroadcaster)
};
} // namespace application
