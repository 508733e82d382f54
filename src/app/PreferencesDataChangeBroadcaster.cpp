#include "app/PreferencesDataChangeBroadcaster.h"

namespace application
{
PreferencesDataChangeBroadcaster::~PreferencesDataChangeBroadcaster()
{
    cancelPendingUpdate();
}

void PreferencesDataChangeBroadcaster::changeListenerCallback (juce::ChangeBroadcaster*)
{
    triggerAsyncUpdate();
}

void PreferencesDataChangeBroadcaster::handleAsyncUpdate()
{
    callObservers ([] (PreferencesDataChangeBroadcasterObserver& observer) { observer.preferencesChanged(); });
}
} // namespace application
