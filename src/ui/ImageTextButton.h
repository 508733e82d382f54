#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** An image button that draws its button text over its pictures, centred and
    shortened with an ellipsis when it does not fit. The owner sets the
    pictures, text and listener as for any image button, and the caption's
    font and colour here.
*/
class ImageTextButton : public juce::ImageButton
{
public:
    explicit ImageTextButton (const juce::String& name);
    ~ImageTextButton() override;

    void setFont (const juce::Font& newFont);
    const juce::Font& getFont() const noexcept { return font; }

    void setTextColour (juce::Colour newColour);
    juce::Colour getTextColour() const noexcept { return textColour; }

protected:
    void paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown) override;

private:
    juce::Font font{13.0f, juce::Font::plain};
    juce::Colour textColour{juce::Colours::white};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImageTextButton)
};
} // namespace ui
