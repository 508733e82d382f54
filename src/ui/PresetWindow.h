#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The window beside the main window that lists the installed presets.

    It opens where it was last closed (or centred, the first time) and stores
    its bounds in the preferences when it is deleted. Its close button only
    asks PresetWindowManager to delete it once the click has been handled.
*/
class PresetWindow final : public juce::DocumentWindow
{
public:
    PresetWindow();
    ~PresetWindow() override;

    void moved() override;
    void resized() override;
    void closeButtonPressed() override;

    /** The bounds last seen by moved() or resized(). */
    juce::Rectangle<int> getLastBounds() const noexcept { return lastBounds; }

private:
    void restoreBounds();
    void rememberBounds();

    juce::Rectangle<int> lastBounds;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetWindow)
};
} // namespace xTV200_ui
