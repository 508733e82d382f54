#include "ui/FavoritePageTestFixture.h"

namespace
{
using FavoriteEditTest = test::FavoritePageTest;

constexpr int columns[]{14, 108, 203, 297, 392, 486, 581, 675};
constexpr int rows[]{51, 151, 251, 351, 451};

void expectTheGrid (xTV200_ui::FavoriteEditComponent& page)
{
    for (int bank = 1; bank <= 5; ++bank)
    {
        for (int slot = 0; slot < 8; ++slot)
        {
            const auto& display = page.getDisplay (bank, slot);
            EXPECT_EQ (display.getBounds(), juce::Rectangle<int> (columns[slot], rows[bank - 1], 91, 57))
                << bank << ":" << slot;
            EXPECT_EQ (display.getName(), "Favorite " + juce::String (bank) + ":" + juce::String (slot));
            EXPECT_EQ (display.getBank(), bank);
            EXPECT_EQ (display.getSlot(), slot);
        }
    }
}

TEST_F (FavoriteEditTest, ButtonsSitOnTheGridOfFiveBanksOfEight)
{
    EXPECT_EQ (page->getBounds(), juce::Rectangle<int> (0, 0, 770, 560));
    EXPECT_EQ (page->getNumChildComponents(), 40);
    expectTheGrid (*page);
}

TEST_F (FavoriteEditTest, ResizingThePageMovesNoButton)
{
    page->setSize (400, 300);
    expectTheGrid (*page);
}

TEST_F (FavoriteEditTest, ADraggedOverButtonLightsRedAndAHoveredOneDarkens)
{
    auto& button = display (1, 0);

    // A point of the button's face below its texts.
    const auto faceColour = [&button]
    { return button.createComponentSnapshot (button.getLocalBounds()).getPixelAt (12, 48); };
    const auto normal = faceColour();

    button.itemDragEnter ({{}, nullptr, {}});
    const auto lit = faceColour();
    button.itemDragExit ({{}, nullptr, {}});

    const auto at = juce::Point<float> (20.0f, 20.0f);
    const auto now = juce::Time::getCurrentTime();
    button.mouseEnter (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), at, {}, 0.0f,
                                         0.0f, 0.0f, 0.0f, 0.0f, &button, &button, now, at, now, 0, false));
    const auto hovered = faceColour();

    EXPECT_GT (lit.getRed(), lit.getGreen() + 40) << "red while something is dragged over it";
    EXPECT_LT (std::abs (normal.getRed() - normal.getGreen()), 16) << "grey otherwise";
    EXPECT_LT (hovered.getBrightness(), normal.getBrightness() * 0.7f)
        << "a dark silhouette under the pointer";
}
} // namespace
