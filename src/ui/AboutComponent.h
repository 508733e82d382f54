#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** The About box: the product picture with the version and a notice. A click
    anywhere ends the dialog with 0. */
class AboutComponent final : public juce::Component
{
public:
    AboutComponent();
    ~AboutComponent() override;

    void mouseDown (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    juce::Label versionLabel;
    juce::Label noticeLabel;
    juce::Image picture;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AboutComponent)
};
} // namespace ui
