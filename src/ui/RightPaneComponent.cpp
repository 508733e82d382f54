#include "ui/RightPaneComponent.h"

#include "ui/FavoriteEditComponent.h"
#include "ui/ProgramInformationComponent.h"
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
    // The favourites and information pages are rebuilt from scratch each
    // time they are chosen, so they never show stale state. The web page
    // lives outside the viewport; it arrives with the sharing layer.
    switch (RightPanePageModel::getInstance()->getPage())
    {
        case RightPanePageModel::favoritesPage:
            viewport.setViewedComponent (new FavoriteEditComponent(), true);
            viewport.setVisible (true);
            break;
        case RightPanePageModel::informationPage:
            viewport.setViewedComponent (new ProgramInformationComponent(), true);
            viewport.setVisible (true);
            break;
        default:
            viewport.setViewedComponent (nullptr);
            viewport.setVisible (false);
            break;
    }
}
} // namespace xTV200_ui
