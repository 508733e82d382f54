#pragma once

#include "ui/state/RightPanePageModelObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The right pane: the page the header's mode buttons choose, over a light
    linen texture. The pages themselves (favourites, Twitter, program
    information) are put into its viewport as they are built. */
class RightPaneComponent final : public juce::Component, private RightPanePageModelObserver
{
public:
    RightPaneComponent();
    ~RightPaneComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::Viewport& getViewport() noexcept { return viewport; }

private:
    void pageChanged() override;

    juce::Image backgroundTile;
    juce::Viewport viewport{"Right Pane Content"};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RightPaneComponent)
};
} // namespace xTV200_ui
