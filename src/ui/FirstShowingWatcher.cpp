#include "ui/FirstShowingWatcher.h"

namespace ui
{
FirstShowingWatcher::FirstShowingWatcher (juce::Component& componentToWatch,
                                          std::function<void()> onFirstShowing)
    : juce::ComponentMovementWatcher (&componentToWatch)
    , component (componentToWatch)
    , callback (std::move (onFirstShowing))
{
}

FirstShowingWatcher::~FirstShowingWatcher() = default;

void FirstShowingWatcher::componentMovedOrResized (bool, bool) {}

void FirstShowingWatcher::componentPeerChanged()
{
    checkShowing();
}

void FirstShowingWatcher::componentVisibilityChanged()
{
    checkShowing();
}

void FirstShowingWatcher::checkShowing()
{
    if (shown || ! component.isShowing())
        return;

    shown = true;

    if (callback)
        callback();
}
} // namespace ui
