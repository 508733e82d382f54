#include "ui/AlertDialogComponent.h"

#include "app/CTRVResource.h"
#include "ui/ModalDialogRunner.h"

namespace ui
{
namespace
{
    constexpr int editorLeft = 16;
    constexpr int editorTop = 16;
    constexpr int editorRight = 400;
    constexpr int buttonWidth = 88;
    constexpr int buttonHeight = 24;

    juce::String text (const char* key)
    {
        return CTRVResource::getInstance()->getText (key);
    }
} // namespace

AlertDialogComponent::AlertDialogComponent (int kindToShow, const juce::String& messageToShow)
    : kind (kindToShow), message (messageToShow)
{
    messageEditor.setReadOnly (true);
    messageEditor.setMultiLine (true, true);
    messageEditor.setReturnKeyStartsNewLine (false);
    messageEditor.setScrollbarsShown (false);
    messageEditor.setCaretVisible (false);
    messageEditor.setPopupMenuEnabled (false);
    messageEditor.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00ffffffu));
    messageEditor.setColour (juce::TextEditor::shadowColourId, juce::Colour (0x00000000u));
    // The message reads as plain text, not as a box to type into.
    messageEditor.setColour (juce::TextEditor::outlineColourId, juce::Colours::transparentBlack);
    messageEditor.setColour (juce::TextEditor::focusedOutlineColourId, juce::Colours::transparentBlack);
    messageEditor.setText (message, false);
    addAndMakeVisible (messageEditor);

    for (auto* button : { &firstButton, &secondButton, &thirdButton })
    {
        button->addListener (this);
        addChildComponent (*button);
    }

    firstButton.setButtonText (text (kind == 2 ? "CommonYes" : "CommonOK"));
    firstButton.setVisible (true);
    if (kind == 2)
    {
        secondButton.setButtonText (text ("CommonNo"));
        secondButton.setVisible (true);
    }
    if (kind >= 1)
    {
        thirdButton.setButtonText (text ("CommonCancel"));
        thirdButton.setVisible (true);
    }

    setSize (420, 120);
    setSize (420, getMessageHeight() + editorTop + buttonHeight + 41);
}

AlertDialogComponent::~AlertDialogComponent() = default;

int AlertDialogComponent::getMessageHeight() const
{
    return messageEditor.getTextHeight();
}

void AlertDialogComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
}

void AlertDialogComponent::resized()
{
    messageEditor.setBounds (editorLeft, editorTop, editorRight - editorLeft, 56);

    const int y = getMessageHeight() + editorTop + 25;
    const int rightX = editorRight - buttonWidth;

    if (kind == 0)
    {
        firstButton.setBounds (rightX, y, buttonWidth, buttonHeight);
    }
    else if (kind == 1)
    {
        firstButton.setBounds (editorRight - 192, y, buttonWidth, buttonHeight);
        thirdButton.setBounds (rightX, y, buttonWidth, buttonHeight);
    }
    else
    {
        firstButton.setBounds (editorLeft, y, buttonWidth, buttonHeight);
        secondButton.setBounds (editorLeft + 104, y, buttonWidth, buttonHeight);
        thirdButton.setBounds (rightX, y, buttonWidth, buttonHeight);
    }
}

void AlertDialogComponent::buttonClicked (juce::Button* button)
{
    const int result = button == &firstButton ? 1 : (button == &secondButton ? 2 : 0);
    ModalDialogRunner::finish (*this, result);
}
} // namespace ui
