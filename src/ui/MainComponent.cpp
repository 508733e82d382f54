#include "ui/MainComponent.h"

namespace xTV200_ui
{
MainComponent::MainComponent()
    : leftPane ("Left Pane", juce::Colour (0xff262626))
{
    // Negative sizes are proportions of the whole width.
    layout.setItemLayout (0, 50, -0.8, 330);
    layout.setItemLayout (1, resizerWidth, resizerWidth, resizerWidth);
    layout.setItemLayout (2, 100, -0.9, 775);

    resizerBar.setName ("resizer bar");

    for (auto* child :
         {static_cast<juce::Component*> (&header), static_cast<juce::Component*> (&leftPane),
          static_cast<juce::Component*> (&rightPane), static_cast<juce::Component*> (&resizerBar)})
        addAndMakeVisible (child);

    setSize (1110, 640);
}

MainComponent::~MainComponent() = default;

void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff262626));
}

void MainComponent::resized()
{
    const auto width = getWidth();
    const auto paneHeight = getHeight() - headerHeight;
    const auto half = juce::roundToInt (width * 0.5);

    header.setBounds (0, 0, width, headerHeight);
    leftPane.setBounds (0, headerHeight, half, paneHeight);
    resizerBar.setBounds (half, headerHeight, resizerWidth, paneHeight);
    rightPane.setBounds (width - half, headerHeight, half, paneHeight);

    juce::Component* items[]{&leftPane, &resizerBar, &rightPane};
    layout.layOutComponents (items, 3, 0, headerHeight, width, paneHeight, false, true);
}
} // namespace xTV200_ui
