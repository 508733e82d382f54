#include "ui/ImageTextButton.h"

namespace ui
{
ImageTextButton::ImageTextButton (const juce::String& name)
    : juce::ImageButton (name)
{
}

ImageTextButton::~ImageTextButton() = default;

void ImageTextButton::setFont (const juce::Font& newFont)
{
    font = newFont;
    repaint();
}

void ImageTextButton::setTextColour (juce::Colour newColour)
{
    textColour = newColour;
    repaint();
}

void ImageTextButton::paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown)
{
    juce::ImageButton::paintButton (g, isMouseOverButton, isButtonDown);

    g.setFont (font);
    g.setColour (textColour);
    g.drawText (getButtonText(), getLocalBounds(), juce::Justification::centred, true);
}
} // namespace ui
