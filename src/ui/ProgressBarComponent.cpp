#include "ui/ProgressBarComponent.h"

namespace ui
{
ProgressBarComponent::ProgressBarComponent (const juce::String& name)
    : juce::Slider (name)
{
    setSliderStyle (juce::Slider::LinearBar);
    setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    setWantsKeyboardFocus (false);
}

ProgressBarComponent::~ProgressBarComponent() = default;

void ProgressBarComponent::mouseDown (const juce::MouseEvent&) {}

void ProgressBarComponent::mouseDrag (const juce::MouseEvent&) {}

void ProgressBarComponent::mouseUp (const juce::MouseEvent&) {}

void ProgressBarComponent::mouseDoubleClick (const juce::MouseEvent&) {}

void ProgressBarComponent::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) {}
} // namespace ui
