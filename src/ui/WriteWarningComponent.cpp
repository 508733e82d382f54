#include "ui/WriteWarningComponent.h"

#include "app/CTRVResource.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "ui/ModalDialogRunner.h"

namespace ui
{
namespace
{
    juce::String text (const char* key)
    {
        return CTRVResource::getInstance()->getText (key);
    }

    void setUpLabel (juce::Label& label, const char* key)
    {
        label.setText (text (key), juce::dontSendNotification);
        label.setFont (juce::Font (15.0f, juce::Font::plain));
        label.setJustificationType (juce::Justification::centredLeft);
    }
} // namespace

WriteWarningComponent::WriteWarningComponent()
{
    setUpLabel (line1Label, "WriteWarningDialogLine1");
    setUpLabel (line2Label, "WriteWarningDialogLine2");
    dontConfirmToggle.setButtonText (text ("WriteWarningDialogDontConfirmNext"));
    dontConfirmToggle.setToggleState (false, juce::dontSendNotification);
    okButton.setButtonText (text ("CommonOK"));
    cancelButton.setButtonText (text ("CommonCancel"));

    for (auto* child : std::initializer_list<juce::Component*> { &line1Label, &line2Label, &dontConfirmToggle,
                                                                 &okButton, &cancelButton })
        addAndMakeVisible (child);

    okButton.addListener (this);
    cancelButton.addListener (this);

    setSize (455, 110);
}

WriteWarningComponent::~WriteWarningComponent() = default;

void WriteWarningComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
}

void WriteWarningComponent::resized()
{
    line1Label.setBounds (16, 16, 424, 16);
    line2Label.setBounds (16, 40, 424, 16);
    dontConfirmToggle.setBounds (16, 72, 256, 24);

    // Laid out with Cancel on the left first, then swapped so that OK stands
    // left of Cancel as in the other dialogs.
    okButton.setBounds (368, 72, 72, 24);
    cancelButton.setBounds (288, 72, 72, 24);
    const auto okBounds = okButton.getBounds();
    okButton.setBounds (cancelButton.getBounds());
    cancelButton.setBounds (okBounds);
}

void WriteWarningComponent::buttonClicked (juce::Button* button)
{
    if (button == &okButton)
    {
        xTV200_preferences::PreferencesData::getInstance()->setBool (
            xTV200_preferences::PreferenceKeys::WarnBeforeWriting, ! dontConfirmToggle.getToggleState());
        ModalDialogRunner::finish (*this, 1);
    }
    else if (button == &cancelButton)
    {
        ModalDialogRunner::finish (*this, 0);
    }
}
} // namespace ui
