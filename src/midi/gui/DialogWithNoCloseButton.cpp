#include "midi/gui/DialogWithNoCloseButton.h"

namespace midi
{
DialogWithNoCloseButton::DialogWithNoCloseButton (const juce::String& title, juce::Colour backgroundColour)
    : juce::DialogWindow (title, backgroundColour, false)
{
    setTitleBarButtonsRequired (0, false);
    setUsingNativeTitleBar (true);
}

DialogWithNoCloseButton::~DialogWithNoCloseButton() = default;

bool DialogWithNoCloseButton::keyPressed (const juce::KeyPress&)
{
    // Taken as handled, so that no key reaches the window's default handling.
    return true;
}

bool DialogWithNoCloseButton::escapeKeyPressed()
{
    return true;
}

void DialogWithNoCloseButton::closeButtonPressed() {}
} // namespace midi
