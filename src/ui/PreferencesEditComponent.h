#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** The preferences dialog: MIDI ports, automatic receiving, the write warning
    and the program list's row height. OK stores the settings and ends with 1;
    Cancel restores the row height it opened with and ends with 0. */
class PreferencesEditComponent final : public juce::Component,
                                       public juce::ComboBox::Listener,
                                       public juce::Button::Listener,
                                       public juce::Slider::Listener
{
public:
    PreferencesEditComponent();
    ~PreferencesEditComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void comboBoxChanged (juce::ComboBox* box) override;
    void buttonClicked (juce::Button* button) override;
    void sliderValueChanged (juce::Slider* slider) override;

    /** The row heights the slider's positions 0 to 4 stand for. */
    static constexpr int rowHeights[] { 20, 25, 30, 35, 40 };

private:
    void setUpChildren();
    void fillFromPreferences();
    static void fillPorts (juce::ComboBox& box, juce::StringArray& names, const juce::StringArray& ports,
                           const juce::String& selectedName);
    void storeAndClose();
    void cancelAndClose();
    void updateValueLabel();

    juce::StringArray inPortNames;
    juce::StringArray outPortNames;
    int initialRowHeight = 0;

    juce::GroupComponent midiPortGroup;
    juce::ToggleButton manualToggle;
    juce::Label midiInLabel;
    juce::ComboBox midiInBox;
    juce::Label midiOutLabel;
    juce::ComboBox midiOutBox;
    juce::GroupComponent otherGroup;
    juce::ToggleButton autoReceiveToggle;
    juce::ToggleButton warnToggle;
    juce::Label fontSizeLabel;
    juce::Slider fontSizeSlider { juce::Slider::LinearHorizontal, juce::Slider::NoTextBox };
    juce::Label fontSizeValueLabel;
    juce::TextButton okButton;
    juce::TextButton cancelButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PreferencesEditComponent)
};
} // namespace ui
