#include "app/PreferencesData.h"
#include "support/FreshSingletons.h"
#include "ui/DialogTestRun.h"
#include "ui/ModalDialogRunner.h"
#include "ui/WriteWarningComponent.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
using WriteWarningComponentTest = test::FreshSingletons;
using xTV200_preferences::PreferencesData;

using test::childNamed;

int runAndClick (juce::Component& content, const juce::String& buttonName)
{
    return test::runDialogAndThen (content, [buttonName] (juce::Component& shown) {
        childNamed<juce::Button> (shown, buttonName).triggerClick();
    });
}

TEST_F (WriteWarningComponentTest, LaysOutItsChildrenWithOkLeftOfCancel)
{
    ui::WriteWarningComponent content;
    EXPECT_EQ (content.getBounds(), juce::Rectangle<int> (0, 0, 455, 110));
    EXPECT_EQ (childNamed<juce::Button> (content, "OkButton").getBounds(), juce::Rectangle<int> (288, 72, 72, 24));
    EXPECT_EQ (childNamed<juce::Button> (content, "CancelButton").getBounds(), juce::Rectangle<int> (368, 72, 72, 24));
    auto& toggle = childNamed<juce::ToggleButton> (content, "DontWarning");
    EXPECT_EQ (toggle.getBounds(), juce::Rectangle<int> (16, 72, 256, 24));
    EXPECT_FALSE (toggle.getToggleState());
    EXPECT_EQ (childNamed<juce::Button> (content, "OkButton").getButtonText(), "OK");
}

TEST_F (WriteWarningComponentTest, OkStoresWhetherToWarnAndEndsWithOne)
{
    struct Case { bool ticked; bool expectedWarn; };
    for (const auto& c : { Case { true, false }, Case { false, true } })
    {
        PreferencesData::getInstance()->setBool ("WarnBeforeWriting", ! c.expectedWarn);
        ui::WriteWarningComponent content;
        childNamed<juce::ToggleButton> (content, "DontWarning").setToggleState (c.ticked, juce::dontSendNotification);
        EXPECT_EQ (runAndClick (content, "OkButton"), 1);
        EXPECT_EQ (PreferencesData::getInstance()->getBool ("WarnBeforeWriting", ! c.expectedWarn), c.expectedWarn)
            << "ticked " << c.ticked;
    }
}

TEST_F (WriteWarningComponentTest, CancelWithTheTickStoresNothingAndEndsWithZero)
{
    const auto before = PreferencesData::getInstance()->getString ("WarnBeforeWriting");
    ui::WriteWarningComponent content;
    childNamed<juce::ToggleButton> (content, "DontWarning").setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (runAndClick (content, "CancelButton"), 0);
    EXPECT_EQ (PreferencesData::getInstance()->getString ("WarnBeforeWriting"), before);
    EXPECT_TRUE (PreferencesData::getInstance()->getBool ("WarnBeforeWriting", true));
}
} // namespace
