#include "ui/OscTypeDisplayComponent.h"

#include "ui/ProgramInformationDecoder.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
namespace
{
juce::Image lampPicture (int category)
{
    switch (category)
    {
    case 0:
        return juce::ImageCache::getFromMemory (TolmVESKPictures::AnalogLamp_png,
                                                TolmVESKPictures::AnalogLamp_pngSize);
    case 1:
        return juce::ImageCache::getFromMemory (TolmVESKPictures::DwgsLamp_png,
                                                TolmVESKPictures::DwgsLamp_pngSize);
    case 2:
        return juce::ImageCache::getFromMemory (TolmVESKPictures::PcmLamp_png,
                                                TolmVESKPictures::PcmLamp_pngSize);
    default:
        return juce::ImageCache::getFromMemory (TolmVESKPictures::MicInLamp_png,
                                                TolmVESKPictures::MicInLamp_pngSize);
    }
}

const std::array<juce::Rectangle<int>, OscTypeDisplayComponent::numLamps> lampBounds{
    {{17, 73, 66, 32}, {73, 73, 66, 32}, {17, 93, 66, 32}, {73, 93, 66, 32}}};
} // namespace

OscTypeDisplayComponent::OscTypeDisplayComponent (int timbreNumber, int oscillatorNumber)
    : timbre (timbreNumber)
    , oscillator (oscillatorNumber)
    , background (juce::ImageCache::getFromMemory (TolmVESKPictures::OscillatorPanel_png,
                                                   TolmVESKPictures::OscillatorPanel_pngSize))
{
    addAndMakeVisible (subDisplay);

    for (int category = 0; category < numLamps; ++category)
    {
        auto& lamp = lamps[static_cast<size_t> (category)];
        lamp.setName ("new component");
        lamp.setImage (lampPicture (category), juce::RectanglePlacement::centred);
        lamp.setInterceptsMouseClicks (false, false);
        addChildComponent (lamp);
    }

    setSize (153, 129);
    refresh();
}

void OscTypeDisplayComponent::refresh()
{
    const auto* program = ProgramInformationDecoder::getCurrentProgram();
    const auto lines = ProgramInformationDecoder::getOscillatorLines (program, timbre, oscillator);
    subDisplay.setLines (lines.line1, lines.line2);

    const auto category = ProgramInformationDecoder::getOscillatorCategory (program, timbre, oscillator);

    for (int index = 0; index < numLamps; ++index)
        lamps[static_cast<size_t> (index)].setVisible (index == category);
}

void OscTypeDisplayComponent::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::black);
    g.drawImage (background, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}

void OscTypeDisplayComponent::resized()
{
    subDisplay.setBounds (31, 13, 84, 42);

    for (size_t index = 0; index < lamps.size(); ++index)
        lamps[index].setBounds (lampBounds[index]);
}
} // namespace xTV200_ui
