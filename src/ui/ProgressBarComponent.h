#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** A slider that only shows a value: the program sets it, the mouse cannot
    move it. */
class ProgressBarComponent final : public juce::Slider
{
public:
    explicit ProgressBarComponent (const juce::String& name = {});
    ~ProgressBarComponent() override;

    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgressBarComponent)
};
} // namespace ui
