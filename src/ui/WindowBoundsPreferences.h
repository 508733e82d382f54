#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace xTV200_ui
{
/** Where a window keeps its bounds in the preferences, and how they come
    back: with no stored position (or a negative one, as a window left of or
    above the screen would have) the window is centred at the stored size, or
    at its own; otherwise it goes to the stored bounds, each side at least 100
    pixels. */
class WindowBoundsPreferences final
{
public:
    struct Keys
    {
        const char* x;
        const char* y;
        const char* width;
        const char* height;
    };

    explicit WindowBoundsPreferences (Keys keysToUse) noexcept : keys (keysToUse) {}

    /** Places the window. beforePlacing runs just before a stored position
        is applied. Returns true when the stored position was used. */
    bool restore (juce::Component& window, const std::function<void()>& beforePlacing = {}) const;

    void store (juce::Rectangle<int> bounds) const;

private:
    Keys keys;
};
} // namespace xTV200_ui
