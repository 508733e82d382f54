#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** A pane of the main window: the container the program list, the pages of
    the right pane and the header's displays are put into. Until they are, it
    shows its background only. */
class PaneComponent : public juce::Component
{
public:
    PaneComponent (const juce::String& name, juce::Colour background);

    void paint (juce::Graphics& g) override;

private:
    const juce::Colour backgroundColour;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PaneComponent)
};
} // namespace xTV200_ui
