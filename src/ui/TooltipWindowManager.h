#pragma once

#include "base/Singleton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace xTV200_ui
{
/** Holds the application's one tooltip window. The main window creates it
    when there is none and deletes it when the main window goes, so the
    tooltips of every component in the window share it. */
class TooltipWindowManager final : public Singleton<TooltipWindowManager>, private juce::DeletedAtShutdown
{
public:
    TooltipWindowManager() = default;

    juce::TooltipWindow* getTooltipWindow() const noexcept { return tooltipWindow.get(); }

    /** Creates the tooltip window (default parent and delay) unless one exists. */
    void createTooltipWindowIfNeeded();

    void deleteTooltipWindow() noexcept { tooltipWindow.reset(); }

private:
    std::unique_ptr<juce::TooltipWindow> tooltipWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TooltipWindowManager)
};
} // namespace xTV200_ui
