#include "ui/RightPaneComponent.h"

#include "ui/state/RightPanePageModel.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
RightPaneComponent::RightPaneComponent()
    : juce::Component ("Right Pane")
    , backgroundTile (juce::ImageCache::getFromMemory (TolmVESKPictures::RightPaneTile_png,
                                                       TolmVESKPictures::RightPaneTile_pngSize))
{
    addAndMakeVisible (viewport);
    setSize (600, 400);
    RightPanePageModel::getInstance()->addObserver (this);
    pageChanged();
}

RightPaneComponent::~RightPaneComponent()
{
    if (auto* model = RightPanePageModel::getInstanceWithoutCreating())
        model->removeObserver (this);
}

void RightPaneComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xffe7d6c0));

    for (int x = 0; x < getWidth(); x += 64)
        for (int y = 0; y < getHeight(); y += 64)
            g.drawImage (backgroundTile, x, y, 64, 64, 0, 0, 64, 64);
}

void RightPaneComponent::resized()
{
    viewport.setBounds (getLocalBounds());
}

void RightPaneComponent::pageChanged()
{
    // The favourites and information pages are rebuilt each time they are
    // chosen; the web page has no viewport. Until the pages exist, the
    // viewport stays empty on every page.
    const auto page = RightPanePageModel::getInstance()->getPage();
    viewport.setViewedComponent (nullptr);
    viewport.setVisible (page != RightPanePageModel::webPage);
}
} // namespace xTV200_ui
