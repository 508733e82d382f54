#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace midi
{
/** A dialog window that the user cannot close: it ignores every key, Escape
    included, and its close button does nothing. Whatever runs inside it ends
    the window's modal state itself.
*/
class DialogWithNoCloseButton final : public juce::DialogWindow
{
public:
    DialogWithNoCloseButton (const juce::String& title, juce::Colour backgroundColour);
    ~DialogWithNoCloseButton() override;

    bool keyPressed (const juce::KeyPress& key) override;
    bool escapeKeyPressed() override;
    void closeButtonPressed() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DialogWithNoCloseButton)
};
} // namespace midi
