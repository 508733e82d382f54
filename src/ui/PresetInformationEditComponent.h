#pragma once

#include "data/PresetInformation.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The dialog in which the header of a preset bundle is entered before the
    library is written as a preset file.

    OK copies the fields into getInformation() and ends the dialog with
    confirmedResult. Cancel, Escape and the window's close button all end it
    with 0 and leave the information empty, so that only an explicit OK makes
    a file. The captions are fixed English texts: this dialog is for whoever
    publishes bundles, not for every user.
*/
class PresetInformationEditComponent final : public juce::Component,
                                             public juce::Slider::Listener,
                                             public juce::Button::Listener
{
public:
    static constexpr int confirmedResult = 1;

    PresetInformationEditComponent();
    ~PresetInformationEditComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void sliderValueChanged (juce::Slider* slider) override;
    void buttonClicked (juce::Button* button) override;

    /** Empty texts and version 0 until OK is clicked; then what was entered. */
    const xTV200_data::PresetInformation& getInformation() const noexcept { return information; }

private:
    void setUpEditor (juce::TextEditor& editor, const juce::String& name);
    void setUpLabel (juce::Label& label, const juce::String& name, const juce::String& caption);
    void setUpSlider();
    void setUpButton (juce::TextButton& button, const juce::String& name, const juce::String& caption);
    void takeEnteredInformation();

    xTV200_data::PresetInformation information;

    juce::TextEditor dataIdEditor, nameEditor, authorEditor, dateEditor, copyrightEditor, prefixEditor;
    juce::Label dataIdLabel, nameLabel, authorLabel, dateLabel, copyrightLabel, versionLabel, prefixLabel;
    juce::Slider versionSlider { juce::Slider::IncDecButtons, juce::Slider::TextBoxLeft };
    juce::TextButton okButton, cancelButton;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetInformationEditComponent)
};
} // namespace xTV200_ui
