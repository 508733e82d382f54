#include "ui/ProgressBarComponent.h"

#include <gtest/gtest.h>

namespace
{
juce::MouseEvent makeEvent (juce::Component& target, juce::Point<float> position,
                            juce::Point<float> downPosition, int numClicks)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position,
                             juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier), 1.0f, 0.0f, 0.0f,
                             0.0f, 0.0f, &target, &target, now, downPosition, now, numClicks,
                             position != downPosition);
}

/** Presses at the left end, drags to the right end, releases, double-clicks
    and turns the wheel. */
void pushAround (juce::Slider& slider)
{
    const juce::Point<float> left (2.0f, 12.0f);
    const juce::Point<float> right (static_cast<float> (slider.getWidth() - 2), 12.0f);
    juce::MouseWheelDetails wheel{};
    wheel.deltaY = 1.0f;

    slider.mouseDown (makeEvent (slider, left, left, 1));
    slider.mouseDrag (makeEvent (slider, right, left, 1));
    slider.mouseUp (makeEvent (slider, right, left, 1));
    slider.mouseDoubleClick (makeEvent (slider, right, right, 2));
    slider.mouseWheelMove (makeEvent (slider, right, right, 0), wheel);
}

template <typename SliderType>
double valueAfterPushingAround()
{
    SliderType slider;
    slider.setSliderStyle (juce::Slider::LinearBar);
    slider.setRange (0.0, 100.0, 1.0);
    slider.setValue (40.0, juce::dontSendNotification);
    slider.setBounds (0, 0, 420, 24);

    pushAround (slider);
    return slider.getValue();
}

TEST (ProgressBarComponent, TheMouseCannotMoveIt)
{
    ASSERT_NE (valueAfterPushingAround<juce::Slider>(), 40.0) << "the same events move a plain slider";
    EXPECT_EQ (valueAfterPushingAround<ui::ProgressBarComponent>(), 40.0);
}
} // namespace
