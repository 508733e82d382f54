#include "ui/FavoriteEditComponent.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
namespace
{
constexpr double firstColumnX = 14.0;
constexpr double firstRowY = 51.0;
constexpr double rowStep = 100.0;
constexpr double columnGap = 3.5;
} // namespace

FavoriteEditComponent::FavoriteEditComponent()
    : background (juce::ImageCache::getFromMemory (TolmVESKPictures::FavoritesPage_png,
                                                   TolmVESKPictures::FavoritesPage_pngSize))
{
    for (int row = 0; row < numBanksShown; ++row)
    {
        const auto bank = firstBank + row;

        for (int slot = 0; slot < numSlots; ++slot)
        {
            auto& display = displays[(size_t)row][(size_t)slot];
            display = std::make_unique<FavoriteDisplayComponent> (bank, slot);
            display->setName ("Favorite " + juce::String (bank) + ":" + juce::String (slot));
            addAndMakeVisible (*display);
        }
    }

    setSize (pageWidth, pageHeight);
}

FavoriteEditComponent::~FavoriteEditComponent() = default;

FavoriteDisplayComponent& FavoriteEditComponent::getDisplay (int bank, int slot)
{
    return *displays.at ((size_t)(bank - firstBank)).at ((size_t)slot);
}

void FavoriteEditComponent::paint (juce::Graphics& g)
{
    // Stored at twice the size it is drawn; transparent, so the pane's
    // background shows through.
    g.setColour (juce::Colours::black);
    g.drawImage (background, juce::Rectangle<float> (22.0f, 6.0f, 738.0f, 433.0f),
                 juce::RectanglePlacement::stretchToFit);
}

void FavoriteEditComponent::resized()
{
    // The grid keeps its place whatever the page's size; positions build up
    // in fractions so that the gaps between columns alternate 3 and 4 pixels.
    auto y = firstRowY;

    for (auto& row : displays)
    {
        auto x = firstColumnX;

        for (auto& display : row)
        {
            display->setTopLeftPosition (static_cast<int> (x), static_cast<int> (y));
            x += display->getWidth() + columnGap;
        }

        y += rowStep;
    }
}
} // namespace xTV200_ui
