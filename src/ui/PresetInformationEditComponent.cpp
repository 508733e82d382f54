#include "ui/PresetInformationEditComponent.h"

#include "ui/ModalDialogRunner.h"

namespace xTV200_ui
{
PresetInformationEditComponent::PresetInformationEditComponent()
{
    setUpEditor (dataIdEditor, "dataIdEditor");
    setUpLabel (dataIdLabel, "dataIdLabel", "data ID");
    setUpEditor (nameEditor, "nameEditor");
    setUpLabel (nameLabel, "nameLabel", "preset name");
    setUpEditor (authorEditor, "authorEditor");
    setUpLabel (authorLabel, "authorLabel", "author");
    setUpEditor (dateEditor, "dateEditor");
    setUpLabel (dateLabel, "dateLabel", "date");
    setUpEditor (copyrightEditor, "copyrightEditor");
    setUpLabel (copyrightLabel, "copyrightLabel", "copyright");
    setUpSlider();
    setUpLabel (versionLabel, "versionLabel", "version");
    setUpEditor (prefixEditor, "prefixEditor");
    setUpLabel (prefixLabel, "prefixLabel", "twitter prefix");
    setUpButton (okButton, "okButton", "OK");
    setUpButton (cancelButton, "cancelButton", "Cancel");

    setSize (480, 400);
}

PresetInformationEditComponent::~PresetInformationEditComponent() = default;

void PresetInformationEditComponent::setUpEditor (juce::TextEditor& editor, const juce::String& name)
{
    editor.setName (name);
    editor.setMultiLine (false);
    editor.setReturnKeyStartsNewLine (false);
    editor.setFont (juce::Font (15.0f));
    addAndMakeVisible (editor);
}

void PresetInformationEditComponent::setUpLabel (juce::Label& label, const juce::String& name,
                                                 const juce::String& caption)
{
    label.setName (name);
    label.setText (caption, juce::dontSendNotification);
    label.setFont (juce::Font (15.0f, juce::Font::plain));
    label.setJustificationType (juce::Justification::centredLeft);
    addAndMakeVisible (label);
}

void PresetInformationEditComponent::setUpSlider()
{
    versionSlider.setName ("versionSlider");
    versionSlider.setRange (1.0, 1000.0, 1.0);
    versionSlider.setValue (1.0, juce::dontSendNotification);
    versionSlider.addListener (this);
    addAndMakeVisible (versionSlider);
}

void PresetInformationEditComponent::setUpButton (juce::TextButton& button, const juce::String& name,
                                                  const juce::String& caption)
{
    button.setName (name);
    button.setButtonText (caption);
    button.addListener (this);
    addAndMakeVisible (button);
}

void PresetInformationEditComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
}

void PresetInformationEditComponent::resized()
{
    const std::pair<juce::Label*, juce::Component*> rows[] {
        { &dataIdLabel, &dataIdEditor }, { &nameLabel, &nameEditor },           { &authorLabel, &authorEditor },
        { &dateLabel, &dateEditor },     { &copyrightLabel, &copyrightEditor },
    };

    int y = 24;
    for (const auto& [label, editor] : rows)
    {
        label->setBounds (24, y, 120, 24);
        editor->setBounds (152, y, 288, 24);
        y += 40;
    }

    versionLabel.setBounds (24, 224, 120, 24);
    versionSlider.setBounds (152, 224, 150, 24);
    prefixLabel.setBounds (24, 272, 120, 24);
    prefixEditor.setBounds (152, 272, 288, 24);
    okButton.setBounds (272, 360, 78, 24);
    cancelButton.setBounds (360, 360, 78, 24);
}

// The version is read from the slider when OK is clicked.
void PresetInformationEditComponent::sliderValueChanged (juce::Slider*) {}

void PresetInformationEditComponent::buttonClicked (juce::Button* button)
{
    if (button == &okButton)
    {
        takeEnteredInformation();
        ui::ModalDialogRunner::finish (*this, confirmedResult);
    }
    else if (button == &cancelButton)
    {
        ui::ModalDialogRunner::finish (*this, 0);
    }
}

void PresetInformationEditComponent::takeEnteredInformation()
{
    information.dataID = dataIdEditor.getText();
    information.name = nameEditor.getText();
    information.author = authorEditor.getText();
    information.date = dateEditor.getText();
    information.copyright = copyrightEditor.getText();
    information.version = static_cast<juce::int32> (versionSlider.getValue());
    information.prefix = prefixEditor.getText();
}
} // namespace xTV200_ui
