#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** The content of the message alert: the message above one, two or three
    buttons. Kind 0 = OK, 1 = OK and Cancel, 2 = Yes, No and Cancel. A button
    ends the dialog with 1 (first), 2 (second) or 0 (third). */
class AlertDialogComponent final : public juce::Component,
                                   public juce::Button::Listener
{
public:
    AlertDialogComponent (int kindToShow, const juce::String& messageToShow);
    ~AlertDialogComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void buttonClicked (juce::Button* button) override;

private:
    int getMessageHeight() const;

    int kind;
    juce::String message;
    juce::TextEditor messageEditor { "new text editor" };
    juce::TextButton firstButton { "new button" };
    juce::TextButton secondButton { "new button" };
    juce::TextButton thirdButton { "new button" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AlertDialogComponent)
};
} // namespace ui
