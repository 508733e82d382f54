#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** The question asked before data is sent to the synthesizer. OK ends the
    dialog with 1 and stores whether to ask again; Cancel ends it with 0 and
    stores nothing. */
class WriteWarningComponent final : public juce::Component,
                                    public juce::Button::Listener
{
public:
    WriteWarningComponent();
    ~WriteWarningComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void buttonClicked (juce::Button* button) override;

private:
    juce::Label line1Label;
    juce::Label line2Label;
    juce::TextButton okButton { "OkButton" };
    juce::TextButton cancelButton { "CancelButton" };
    juce::ToggleButton dontConfirmToggle { "DontWarning" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (WriteWarningComponent)
};
} // namespace ui
