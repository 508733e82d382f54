#include "ui/PreferencesEditComponent.h"

#include "app/CTRVResource.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/PreferencesDataChangeBroadcaster.h"
#include "midi/MidiDeviceManager.h"
#include "ui/ModalDialogRunner.h"

namespace ui
{
namespace
{
    namespace Keys = xTV200_preferences::PreferenceKeys;
    constexpr int numRowHeights = 5;

    juce::String text (const char* key)
    {
        return CTRVResource::getInstance()->getText (key);
    }

    xTV200_preferences::PreferencesData& preferences()
    {
        return *xTV200_preferences::PreferencesData::getInstance();
    }

    void setUpLabel (juce::Label& label, const juce::String& caption)
    {
        label.setText (caption, juce::dontSendNotification);
        label.setFont (juce::Font (15.0f, juce::Font::plain));
        label.setJustificationType (juce::Justification::centredLeft);
    }

    int positionForHeight (int height)
    {
        for (int i = 0; i < numRowHeights; ++i)
            if (height <= PreferencesEditComponent::rowHeights[i])
                return i;
        return numRowHeights - 1;
    }

    juce::String nameAt (const juce::StringArray& names, const juce::ComboBox& box)
    {
        const int index = box.getSelectedItemIndex();
        return index >= 0 ? names[index] : juce::String();
    }
} // namespace

PreferencesEditComponent::PreferencesEditComponent()
{
    setUpChildren();
    fillFromPreferences();
    setSize (540, 315);
}

PreferencesEditComponent::~PreferencesEditComponent() = default;

void PreferencesEditComponent::setUpChildren()
{
    midiPortGroup.setText (text ("PreferencesDialogGroupMidiPort"));
    otherGroup.setText (text ("PreferencesDialogGroupOther"));
    manualToggle.setButtonText (text ("PreferencesDialogMidiPortManualSetting"));
    autoReceiveToggle.setButtonText (text ("PreferencesDialogAutoReceive"));
    warnToggle.setButtonText (text ("PreferencesDialogWarningBeforeWriting"));
    setUpLabel (midiInLabel, text ("PreferencesDialogMidiInPort"));
    setUpLabel (midiOutLabel, text ("PreferencesDialogMidiOutPort"));
    setUpLabel (fontSizeLabel, text ("PreferencesDialogFontSize"));
    setUpLabel (fontSizeValueLabel, {});
    okButton.setButtonText (text ("CommonOK"));
    cancelButton.setButtonText (text ("CommonCancel"));

    for (auto* box : { &midiInBox, &midiOutBox })
    {
        box->setEditableText (false);
        box->setJustificationType (juce::Justification::centredLeft);
        box->setTextWhenNothingSelected ({});
        box->setTextWhenNoChoicesAvailable ("(no choices)");
        box->addListener (this);
    }

    fontSizeSlider.setRange (0.0, numRowHeights - 1, 1.0);
    fontSizeSlider.addListener (this);

    for (auto* button : std::initializer_list<juce::Button*> { &manualToggle, &autoReceiveToggle, &warnToggle,
                                                               &okButton, &cancelButton })
        button->addListener (this);

    for (auto* child : std::initializer_list<juce::Component*> {
             &midiPortGroup, &manualToggle, &midiInLabel, &midiInBox, &midiOutLabel, &midiOutBox, &otherGroup,
             &autoReceiveToggle, &warnToggle, &fontSizeLabel, &fontSizeSlider, &fontSizeValueLabel, &okButton,
             &cancelButton })
        addAndMakeVisible (child);
}

void PreferencesEditComponent::fillFromPreferences()
{
    auto& settings = preferences();
    manualToggle.setToggleState (! settings.getBool (Keys::MidiPortAutoScan, true), juce::dontSendNotification);
    autoReceiveToggle.setToggleState (settings.getBool (Keys::AutoReceive, true), juce::dontSendNotification);
    warnToggle.setToggleState (settings.getBool (Keys::WarnBeforeWriting, true), juce::dontSendNotification);

    fontSizeSlider.setValue (positionForHeight (settings.getInt (Keys::ProgramListHeight, 0)),
                             juce::sendNotificationAsync);
    updateValueLabel();

    midiInBox.setEnabled (manualToggle.getToggleState());
    midiOutBox.setEnabled (manualToggle.getToggleState());

    // No service (no MIDI system) simply means no ports to offer.
    juce::StringArray inputs, outputs;
    if (const auto service = midi::MidiDeviceManager::getInstance()->getService())
    {
        inputs = service->getInputPortNames();
        outputs = service->getOutputPortNames();
    }
    fillPorts (midiInBox, inPortNames, inputs, settings.getString (Keys::MidiInPort));
    fillPorts (midiOutBox, outPortNames, outputs, settings.getString (Keys::MidiOutPort));

    initialRowHeight = settings.getInt (Keys::ProgramListHeight, 0);
}

void PreferencesEditComponent::fillPorts (juce::ComboBox& box, juce::StringArray& names,
                                          const juce::StringArray& ports, const juce::String& selectedName)
{
    int selectedId = 0;
    for (int k = 0; k < ports.size(); ++k)
    {
        names.add (ports[k]);
        box.addItem (ports[k], k + 1);
        if (selectedId == 0 && ports[k] == selectedName)
            selectedId = k + 1;
    }
    box.setSelectedId (selectedId, juce::dontSendNotification);
}

void PreferencesEditComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
}

void PreferencesEditComponent::resized()
{
    midiPortGroup.setBounds (8, 8, 520, 136);
    manualToggle.setBounds (32, 32, 344, 24);
    midiInLabel.setBounds (32, 64, 80, 24);
    midiInBox.setBounds (120, 64, 376, 24);
    midiOutLabel.setBounds (32, 96, 80, 24);
    midiOutBox.setBounds (120, 96, 376, 24);
    otherGroup.setBounds (8, 144, 520, 120);
    autoReceiveToggle.setBounds (32, 168, 416, 24);
    warnToggle.setBounds (32, 192, 416, 24);
    fontSizeLabel.setBounds (48, 224, 160, 24);
    fontSizeSlider.setBounds (216, 224, 184, 24);
    fontSizeValueLabel.setBounds (416, 224, 32, 24);

    // Placed Cancel-first, then swapped so that OK stands left of Cancel.
    cancelButton.setBounds (328, 278, 94, 24);
    okButton.setBounds (432, 278, 94, 24);
    const auto cancelBounds = cancelButton.getBounds();
    cancelButton.setBounds (okButton.getBounds());
    okButton.setBounds (cancelBounds);
}

void PreferencesEditComponent::comboBoxChanged (juce::ComboBox*) {}

void PreferencesEditComponent::buttonClicked (juce::Button* button)
{
    if (button == &manualToggle)
    {
        midiInBox.setEnabled (manualToggle.getToggleState());
        midiOutBox.setEnabled (manualToggle.getToggleState());
    }
    else if (button == &okButton)
    {
        storeAndClose();
    }
    else if (button == &cancelButton)
    {
        cancelAndClose();
    }
}

void PreferencesEditComponent::sliderValueChanged (juce::Slider*)
{
    updateValueLabel();
}

void PreferencesEditComponent::updateValueLabel()
{
    fontSizeValueLabel.setText (juce::String (juce::roundToInt (fontSizeSlider.getValue()) + 1),
                                juce::dontSendNotification);
}

void PreferencesEditComponent::storeAndClose()
{
    auto& settings = preferences();
    settings.setBool (Keys::WarnBeforeWriting, warnToggle.getToggleState());
    settings.setBool (Keys::AutoReceive, autoReceiveToggle.getToggleState());
    settings.setBool (Keys::MidiPortAutoScan, ! manualToggle.getToggleState());
    settings.setString (Keys::MidiInPort, nameAt (inPortNames, midiInBox));
    settings.setString (Keys::MidiOutPort, nameAt (outPortNames, midiOutBox));
    const int position = juce::jlimit (0, numRowHeights - 1, juce::roundToInt (fontSizeSlider.getValue()));
    settings.setInt (Keys::ProgramListHeight, rowHeights[position]);
    ModalDialogRunner::finish (*this, 1);
}

void PreferencesEditComponent::cancelAndClose()
{
    preferences().setInt (Keys::ProgramListHeight, initialRowHeight);
    application::PreferencesDataChangeBroadcaster::getInstance()->triggerAsyncUpdate();
    ModalDialogRunner::finish (*this, 0);
}
} // namespace ui
