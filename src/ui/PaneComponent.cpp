#include "ui/PaneComponent.h"

namespace xTV200_ui
{
PaneComponent::PaneComponent (const juce::String& name, juce::Colour background)
    : juce::Component (name)
    , backgroundColour (background)
{
}

void PaneComponent::paint (juce::Graphics& g)
{
    g.fillAll (backgroundColour);
}
} // namespace xTV200_ui
