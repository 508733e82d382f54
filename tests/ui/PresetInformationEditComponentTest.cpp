#include "support/FreshSingletons.h"
#include "ui/DialogTestRun.h"
#include "ui/PresetInformationEditComponent.h"

#include <gtest/gtest.h>

namespace
{
using test::childNamed;
using xTV200_data::PresetInformation;
using xTV200_ui::PresetInformationEditComponent;

using PresetInformationEditComponentTest = test::FreshSingletons;

void fill (juce::Component& content, double version)
{
    const std::pair<const char*, const char*> texts[] {
        { "dataIdEditor", "com.example.pads" }, { "nameEditor", "Pads" },       { "authorEditor", "Ann" },
        { "dateEditor", "2026-12-10" },         { "copyrightEditor", "(c) Ann" }, { "prefixEditor", "#pads" },
    };

    for (const auto& [editor, text] : texts)
        childNamed<juce::TextEditor> (content, editor).setText (text);

    childNamed<juce::Slider> (content, "versionSlider").setValue (version);
}

TEST_F (PresetInformationEditComponentTest, OkHandsOverWhatWasEntered)
{
    struct Case { double slider; int version; };

    for (const auto& c : { Case { 12.0, 12 }, Case { 5000.0, 1000 }, Case { -3.0, 1 } })
    {
        PresetInformationEditComponent content;
        const auto result = test::runDialogAndThen (content, [&c] (juce::Component& shown) {
            fill (shown, c.slider);
            childNamed<juce::Button> (shown, "okButton").triggerClick();
        });

        EXPECT_EQ (result, PresetInformationEditComponent::confirmedResult);

        PresetInformation expected;
        expected.dataID = "com.example.pads";
        expected.name = "Pads";
        expected.author = "Ann";
        expected.date = "2026-12-10";
        expected.copyright = "(c) Ann";
        expected.prefix = "#pads";
        expected.version = c.version;
        EXPECT_TRUE (content.getInformation() == expected) << "slider " << c.slider;
        EXPECT_EQ (content.getInformation().version, c.version);
    }
}

TEST_F (PresetInformationEditComponentTest, EveryOtherWayOutEndsWithZeroAndNoInformation)
{
    using Leave = std::function<void (juce::Component&)>;
    const std::pair<const char*, Leave> ways[] {
        { "Cancel", [] (juce::Component& shown) { childNamed<juce::Button> (shown, "cancelButton").triggerClick(); } },
        { "Escape", [] (juce::Component& shown) { shown.findParentComponentOfClass<juce::DialogWindow>()->escapeKeyPressed(); } },
        { "close button", [] (juce::Component& shown) {
              juce::DocumentWindow& window = *shown.findParentComponentOfClass<juce::DialogWindow>();
              window.closeButtonPressed();
          } },
    };

    for (const auto& [way, leave] : ways)
    {
        PresetInformationEditComponent content;
        const auto result = test::runDialogAndThen (content, [leave = leave] (juce::Component& shown) {
            fill (shown, 7.0);
            leave (shown);
        });

        EXPECT_EQ (result, 0) << way;
        EXPECT_TRUE (content.getInformation() == PresetInformation()) << way;
    }
}

TEST_F (PresetInformationEditComponentTest, StartsEmptyAtVersionOne)
{
    PresetInformationEditComponent content;
    EXPECT_EQ (content.getBounds(), juce::Rectangle<int> (0, 0, 480, 400));

    for (const auto* editor : { "dataIdEditor", "nameEditor", "authorEditor", "dateEditor", "copyrightEditor", "prefixEditor" })
    {
        EXPECT_TRUE (childNamed<juce::TextEditor> (content, editor).getText().isEmpty()) << editor;
        EXPECT_FALSE (childNamed<juce::TextEditor> (content, editor).isMultiLine()) << editor;
    }

    EXPECT_EQ (childNamed<juce::Slider> (content, "versionSlider").getValue(), 1.0);
    EXPECT_EQ (childNamed<juce::Label> (content, "prefixLabel").getText(), "twitter prefix");
}
} // namespace
