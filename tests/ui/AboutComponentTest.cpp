#include "support/FreshSingletons.h"
#include "ui/AboutComponent.h"
#include "ui/DialogTestRun.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
using AboutComponentTest = test::FreshSingletons;

juce::Label* labelAt (juce::Component& content, juce::Rectangle<int> bounds)
{
    for (auto* child : content.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && label->getBounds() == bounds)
            return label;
    return nullptr;
}

void clickAt (juce::Component& content, juce::Point<int> position)
{
    auto* target = content.getComponentAt (position);
    ASSERT_NE (target, nullptr);
    const auto local = target->getLocalPoint (&content, position).toFloat();
    const auto now = juce::Time::getCurrentTime();
    const juce::MouseEvent event (juce::Desktop::getInstance().getMainMouseSource(), local,
                                  juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier), 1.0f, 0.0f, 0.0f, 0.0f,
                                  0.0f, target, target, now, local, now, 1, false);
    target->mouseDown (event);
}

TEST_F (AboutComponentTest, ShowsTheVersionAndANoticeAlongTheBottom)
{
    ui::AboutComponent content;
    EXPECT_EQ (content.getBounds(), juce::Rectangle<int> (0, 0, 600, 400));

    auto* version = labelAt (content, { 344, 368, 246, 24 });
    ASSERT_NE (version, nullptr);
    EXPECT_EQ (version->getText(), "version: 1.0.0.28");
    EXPECT_TRUE (version->getJustificationType().testFlags (juce::Justification::right));

    auto* notice = labelAt (content, { 16, 368, 280, 24 });
    ASSERT_NE (notice, nullptr);
    EXPECT_FALSE (notice->getText().isEmpty());
    EXPECT_LE (notice->getFont().getStringWidth (notice->getText()), 280 - 10) << "one line that fits";
}

TEST_F (AboutComponentTest, PaintsThePicture)
{
    ui::AboutComponent content;
    const auto image = content.createComponentSnapshot (content.getLocalBounds());
    const auto corner = image.getPixelAt (2, 2);
    bool anyNonWhite = false;
    for (int y = 0; y < image.getHeight() && ! anyNonWhite; y += 8)
        for (int x = 0; x < image.getWidth() && ! anyNonWhite; x += 8)
            anyNonWhite = image.getPixelAt (x, y) != juce::Colours::white;
    EXPECT_TRUE (anyNonWhite) << "corner " << corner.toString();
}

TEST_F (AboutComponentTest, AClickAnywhereClosesItWithZero)
{
    for (const auto point : { juce::Point<int> (300, 150), juce::Point<int> (400, 380), juce::Point<int> (20, 380) })
    {
        ui::AboutComponent content;
        const int result = test::runDialogAndThen (content, [point] (juce::Component& shown) { clickAt (shown, point); });
        EXPECT_EQ (result, 0) << "click at " << point.toString();
    }
}
} // namespace
