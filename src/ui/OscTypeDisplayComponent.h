#pragma once

#include "ui/CurrentProgramWatcher.h"
#include "ui/SubDisplayComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace xTV200_ui
{
/** One oscillator of the current program in a framed panel: its type number
    and name on a sub display, and the lamp of the type's category (ANALOG,
    DWGS, PCM, MIC IN) lit below it. 153x129 pixels.
*/
class OscTypeDisplayComponent final : public juce::Component
{
public:
    static constexpr int numLamps = 4;

    /** timbre 0 (A) or 1 (B), oscillator 0 to 2. */
    OscTypeDisplayComponent (int timbre, int oscillator);

    const SubDisplayComponent& getSubDisplay() const noexcept { return subDisplay; }

    /** 0 ANALOG, 1 DWGS, 2 PCM, 3 MIC IN. */
    const juce::ImageComponent& getLamp (int category) const
    {
        return lamps.at (static_cast<size_t> (category));
    }

    /** Reads the current program again; also called by every change notification. */
    void refresh();

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    const int timbre;
    const int oscillator;
    SubDisplayComponent subDisplay;
    std::array<juce::ImageComponent, numLamps> lamps;
    juce::Image background;
    CurrentProgramWatcher watcher{[this] { refresh(); }};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OscTypeDisplayComponent)
};
} // namespace xTV200_ui
