#include "ui/ImageTextButton.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour plateColour (0xff202020);

juce::Image makePlate()
{
    juce::Image plate (juce::Image::ARGB, 140, 42, true);
    plate.clear (plate.getBounds(), plateColour);
    return plate;
}

juce::Image paint (juce::Component& component)
{
    juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true);
    juce::Graphics g (image);
    component.paintEntireComponent (g, true);
    return image;
}

/** The bounds of the pixels close to colour. */
juce::Rectangle<int> findPixelsOf (const juce::Image& image, juce::Colour colour)
{
    juce::RectangleList<int> found;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
        {
            const auto pixel = image.getPixelAt (x, y);
            if (std::abs (pixel.getRed() - colour.getRed()) < 30 &&
                std::abs (pixel.getGreen() - colour.getGreen()) < 30 &&
                std::abs (pixel.getBlue() - colour.getBlue()) < 30)
                found.add ({x, y, 1, 1});
        }
    return found.getBounds();
}

class ImageTextButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto plate = makePlate();
        button.setImages (false, true, false, plate, 1.0f, {}, plate, 1.0f, {}, plate, 1.0f, {});
        button.setBounds (0, 0, 140, 42);
        button.setButtonText ("Receive");
    }

    ui::ImageTextButton button{"ReceiveButton"};
};

TEST_F (ImageTextButtonTest, StartsWithWhiteTextInTheDefaultTypefaceAtThirteen)
{
    EXPECT_EQ (button.getName(), "ReceiveButton");
    EXPECT_EQ (button.getTextColour(), juce::Colours::white);
    EXPECT_EQ (button.getFont(), juce::Font (13.0f, juce::Font::plain));
}

TEST_F (ImageTextButtonTest, DrawsTheCaptionCentredOverThePicture)
{
    const auto image = paint (button);

    EXPECT_EQ (image.getPixelAt (2, 2), plateColour) << "the picture is drawn first";

    const auto caption = findPixelsOf (image, juce::Colours::white);
    ASSERT_FALSE (caption.isEmpty());
    EXPECT_NEAR (caption.getCentreX(), 70, 3);
    EXPECT_NEAR (caption.getCentreY(), 21, 3);
}

TEST_F (ImageTextButtonTest, TheCaptionTakesTheOwnersFontAndColour)
{
    const auto small = findPixelsOf (paint (button), juce::Colours::white);

    button.setTextColour (juce::Colours::yellow);
    button.setFont (juce::Font (26.0f));
    const auto image = paint (button);

    EXPECT_TRUE (findPixelsOf (image, juce::Colours::white).isEmpty());
    const auto large = findPixelsOf (image, juce::Colours::yellow);
    EXPECT_GT (large.getWidth(), small.getWidth());
}
} // namespace
