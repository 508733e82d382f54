#include "ui/FilterTypeDisplayComponent.h"

#include "ui/ProgramInformationDecoder.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
FilterTypeDisplayComponent::FilterTypeDisplayComponent (int timbreNumber)
    : timbre (timbreNumber)
    , background (juce::ImageCache::getFromMemory (TolmVESKPictures::FilterPanel_png,
                                                   TolmVESKPictures::FilterPanel_pngSize))
{
    addAndMakeVisible (subDisplay);
    setSize (153, 93);
    refresh();
}

void FilterTypeDisplayComponent::refresh()
{
    const auto lines =
        ProgramInformationDecoder::getFilterLines (ProgramInformationDecoder::getCurrentProgram(), timbre);
    subDisplay.setLines (lines.line1, lines.line2);
}

void FilterTypeDisplayComponent::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::black);
    g.drawImage (background, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}

void FilterTypeDisplayComponent::resized()
{
    subDisplay.setBounds (34, 17, 84, 42);
}
} // namespace xTV200_ui
