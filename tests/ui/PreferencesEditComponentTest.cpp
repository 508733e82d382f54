#include "app/PreferencesData.h"
#include "midi/MidiDeviceManager.h"
#include "midi/service/VirtualMidiService.h"
#include "support/FreshSingletons.h"
#include "ui/DialogTestRun.h"
#include "ui/PreferencesEditComponent.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
using xTV200_preferences::PreferencesData;

/** Gives the device manager a chosen set of ports; the fresh-singletons
    teardown deletes the manager, so no other test sees them. */
class PreferencesEditComponentTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        test::FreshSingletons::SetUp();
        midi::MidiDeviceManager::getInstance()->setService (ports);
    }

    static PreferencesData& settings() { return *PreferencesData::getInstance(); }

    std::shared_ptr<midi::VirtualMidiService> ports = std::make_shared<midi::VirtualMidiService>();
};

template <typename ComponentType>
ComponentType& childAt (juce::Component& parent, juce::Rectangle<int> bounds)
{
    for (auto* c : parent.getChildren())
        if (auto* typed = dynamic_cast<ComponentType*> (c); typed != nullptr && c->getBounds() == bounds)
            return *typed;
    throw std::runtime_error ("no child at " + bounds.toString().toStdString());
}

juce::Button& okButton (juce::Component& c) { return childAt<juce::TextButton> (c, { 328, 278, 94, 24 }); }
juce::Button& cancelButton (juce::Component& c) { return childAt<juce::TextButton> (c, { 432, 278, 94, 24 }); }
juce::Slider& slider (juce::Component& c) { return childAt<juce::Slider> (c, { 216, 224, 184, 24 }); }
juce::Label& valueLabel (juce::Component& c) { return childAt<juce::Label> (c, { 416, 224, 32, 24 }); }
juce::ComboBox& inBox (juce::Component& c) { return childAt<juce::ComboBox> (c, { 120, 64, 376, 24 }); }
juce::ComboBox& outBox (juce::Component& c) { return childAt<juce::ComboBox> (c, { 120, 96, 376, 24 }); }

int click (juce::Component& content, juce::Button& (*which) (juce::Component&))
{
    return test::runDialogAndThen (content, [which] (juce::Component& shown) { which (shown).triggerClick(); });
}

TEST_F (PreferencesEditComponentTest, OkLeftOfCancelAndCaptions)
{
    ui::PreferencesEditComponent content;
    EXPECT_EQ (content.getBounds(), juce::Rectangle<int> (0, 0, 540, 315));
    EXPECT_EQ (okButton (content).getButtonText(), "OK");
    EXPECT_EQ (cancelButton (content).getButtonText(), "Cancel");
}

TEST_F (PreferencesEditComponentTest, StoredHeightPicksTheSliderPositionAndOkStoresTheTableValue)
{
    struct Case { int stored; int position; int storedByOk; };
    for (const auto& c : { Case { 22, 1, 25 }, Case { 0, 0, 20 }, Case { 100, 4, 40 }, Case { 30, 2, 30 } })
    {
        settings().setInt ("ProgramListHeight", c.stored);
        ui::PreferencesEditComponent content;
        EXPECT_EQ (juce::roundToInt (slider (content).getValue()), c.position) << c.stored;
        EXPECT_EQ (valueLabel (content).getText(), juce::String (c.position + 1)) << c.stored;
        EXPECT_EQ (click (content, okButton), 1);
        EXPECT_EQ (settings().getInt ("ProgramListHeight", -1), c.storedByOk) << c.stored;
    }
}

TEST_F (PreferencesEditComponentTest, CancelAfterMovingTheSliderKeepsTheOpeningHeight)
{
    settings().setInt ("ProgramListHeight", 22);
    settings().setBool ("AutoReceive", true);
    ui::PreferencesEditComponent content;
    slider (content).setValue (4, juce::sendNotificationSync);
    EXPECT_EQ (valueLabel (content).getText(), "5");
    childAt<juce::ToggleButton> (content, { 32, 168, 416, 24 }).setToggleState (false, juce::dontSendNotification);
    EXPECT_EQ (click (content, cancelButton), 0);
    EXPECT_EQ (settings().getInt ("ProgramListHeight", -1), 22);
    EXPECT_TRUE (settings().getBool ("AutoReceive", false)) << "Cancel stores nothing else";
}

TEST_F (PreferencesEditComponentTest, AutoScanDisablesThePortsUntilManualIsTicked)
{
    settings().setBool ("MidiPortAutoScan", true);
    ui::PreferencesEditComponent content;
    EXPECT_FALSE (inBox (content).isEnabled());
    EXPECT_FALSE (outBox (content).isEnabled());
    childAt<juce::ToggleButton> (content, { 32, 32, 344, 24 }).triggerClick();
    test::deliverPendingMessages();
    EXPECT_TRUE (inBox (content).isEnabled());
    EXPECT_TRUE (outBox (content).isEnabled());
    EXPECT_EQ (click (content, okButton), 1);
    EXPECT_FALSE (settings().getBool ("MidiPortAutoScan", true));
}

TEST_F (PreferencesEditComponentTest, DuplicateNamesSelectTheFirstAndOkStoresTheSelection)
{
    ports->addPortPair ("Same", "Out A");
    ports->addPortPair ("Same", "Out B");
    settings().setString ("MidiInPort", "Same");
    settings().setString ("MidiOutPort", "Out B");
    ui::PreferencesEditComponent content;
    EXPECT_EQ (inBox (content).getNumItems(), 2);
    EXPECT_EQ (inBox (content).getSelectedId(), 1);
    EXPECT_EQ (outBox (content).getSelectedId(), 2);
    EXPECT_EQ (click (content, okButton), 1);
    EXPECT_EQ (settings().getString ("MidiInPort"), "Same");
    EXPECT_EQ (settings().getString ("MidiOutPort"), "Out B");
}

TEST_F (PreferencesEditComponentTest, MissingPortsLeaveNoSelectionAndOkStoresEmptyNames)
{
    struct Case { bool withPorts; };
    for (const auto& c : { Case { true }, Case { false } })
    {
        auto service = std::make_shared<midi::VirtualMidiService>();
        if (c.withPorts)
            service->addPortPair ("Present", "Present");
        midi::MidiDeviceManager::getInstance()->setService (service);
        settings().setString ("MidiInPort", "Gone");
        settings().setString ("MidiOutPort", "Gone");
        ui::PreferencesEditComponent content;
        EXPECT_EQ (inBox (content).getSelectedId(), 0);
        EXPECT_EQ (inBox (content).getNumItems(), c.withPorts ? 1 : 0);
        EXPECT_EQ (click (content, okButton), 1);
        EXPECT_EQ (settings().getString ("MidiInPort"), juce::String()) << c.withPorts;
        EXPECT_EQ (settings().getString ("MidiOutPort"), juce::String()) << c.withPorts;
    }
}
} // namespace
