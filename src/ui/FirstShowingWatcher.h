#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace ui
{
/** Calls back once, the first time a component is showing on the screen.

    A component is not told when it becomes visible because its window does;
    this watches the component and every parent it gets.
*/
class FirstShowingWatcher final : private juce::ComponentMovementWatcher
{
public:
    FirstShowingWatcher (juce::Component& componentToWatch, std::function<void()> onFirstShowing);
    ~FirstShowingWatcher() override;

    bool hasShown() const noexcept { return shown; }

private:
    void componentMovedOrResized (bool wasMoved, bool wasResized) override;
    void componentPeerChanged() override;
    void componentVisibilityChanged() override;
    void checkShowing();

    juce::Component& component;
    std::function<void()> callback;
    bool shown = false;

    JUCE_DECLARE_NON_COPYABLE (FirstShowingWatcher)
};
} // namespace ui
