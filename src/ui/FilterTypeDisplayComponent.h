#pragma once

#include "ui/CurrentProgramWatcher.h"
#include "ui/SubDisplayComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The filter of one timbre of the current program in a framed panel: its
    type number and name on a sub display. 153x93 pixels. */
class FilterTypeDisplayComponent final : public juce::Component
{
public:
    /** timbre 0 (A) or 1 (B). */
    explicit FilterTypeDisplayComponent (int timbre);

    const SubDisplayComponent& getSubDisplay() const noexcept { return subDisplay; }

    /** Reads the current program again; also called by every change notification. */
    void refresh();

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    const int timbre;
    SubDisplayComponent subDisplay;
    juce::Image background;
    CurrentProgramWatcher watcher{[this] { refresh(); }};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FilterTypeDisplayComponent)
};
} // namespace xTV200_ui
