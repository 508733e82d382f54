#include "midi/MidiDeviceManager.h"
#include "midi/service/VirtualMidiService.h"
#include "support/FreshSingletons.h"
#include "support/ScriptedMidiDevice.h"

#include <gtest/gtest.h>

namespace
{
using Settings = xTV200_preferences::PreferencesDataUpdater::MidiPortSettings;

test::ScriptedMidiDevice::Script answeringSearches()
{
    return [] (const juce::MemoryBlock& request) -> std::vector<juce::MemoryBlock>
    {
        if (request.getSize() != 6 || request[3] != 0x00)
            return {};
        return {test::ScriptedMidiDevice::bytes ({0xf0, 0x42, 0x50, 0x01, 0x00, request[4], 0x18, 0x01, 0x02,
                                                  0x00, 0x01, 0x00, 0x00, 0x00, 0xf7})};
    };
}

class ScanListener final : public midi::MidiDeviceManagerListener
{
public:
    void scanFinished() override { ++count; }
    int count = 0;
};

class MidiDeviceManagerTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        manager = midi::MidiDeviceManager::getInstance();
        manager->setService (service);
        manager->setTargetFamilyId (0x0118);
        manager->setScanTimings (300, 0);
        manager->addObserver (&scans);
    }

    void TearDown() override
    {
        manager->removeObserver (&scans);
        FreshSingletons::TearDown();
    }

    bool waitForScan()
    {
        return test::runMessageLoopUntil ([this] { return scans.count > 0; });
    }

    std::shared_ptr<midi::VirtualMidiService> service = std::make_shared<midi::VirtualMidiService>();
    midi::MidiDeviceManager* manager = nullptr;
    ScanListener scans;
};

TEST_F (MidiDeviceManagerTest, TheFirstOpenBeforeAnyScanStartsOneAndFails)
{
    test::ScriptedMidiDevice synth (service->addPortPair ("TolmVESK In", "TolmVESK Out"),
                                    answeringSearches());

    EXPECT_FALSE (manager->openPorts());
    ASSERT_TRUE (waitForScan());
    EXPECT_TRUE (manager->isScanDone());

    EXPECT_TRUE (manager->openPorts());
    EXPECT_TRUE (manager->getPort().isInputOpen());
    EXPECT_TRUE (manager->getPort().isOutputOpen());

    manager->closePorts();
    EXPECT_FALSE (manager->isOpen());
    EXPECT_FALSE (manager->getPort().isInputOpen());
}

TEST_F (MidiDeviceManagerTest, AScanThatFoundNothingKeepsThePortsShut)
{
    service->addPortPair ("Keyboard In", "Keyboard Out");
    manager->startScan();
    ASSERT_TRUE (waitForScan());

    EXPECT_FALSE (manager->isFound());
    EXPECT_FALSE (manager->openPorts());
}

TEST_F (MidiDeviceManagerTest, ManualModeOpensThePortsByName)
{
    service->addPortPair ("In A", "Out A");
    service->addPortPair ("In B", "Out B");

    manager->applyMidiPortSettings (Settings{false, "In B", "Out A"});
    ASSERT_TRUE (manager->openPorts());
    EXPECT_EQ (manager->getPort().getInputDeviceId(), 1);
    EXPECT_EQ (manager->getPort().getOutputDeviceId(), 0);
    manager->closePorts();

    manager->applyMidiPortSettings (Settings{false, "Gone", "Out A"});
    EXPECT_FALSE (manager->openPorts());
    EXPECT_FALSE (manager->getPort().isOutputOpen());

    manager->applyMidiPortSettings (Settings{false, "In A", "Gone"});
    EXPECT_FALSE (manager->openPorts());
    EXPECT_FALSE (manager->getPort().isInputOpen());
}

TEST_F (MidiDeviceManagerTest, ThePreferencesTargetIsTheManager)
{
    service->addPortPair ("In A", "Out A");
    xTV200_preferences::PreferencesDataUpdater::setMidiPortTarget (manager);
    manager->applyMidiPortSettings (Settings{false, "In A", "Out A"});
    EXPECT_FALSE (manager->isAutomatic());

    manager->applyMidiPortSettings (Settings{true, "In A", "Out A"});
    EXPECT_TRUE (manager->isAutomatic());
}

TEST_F (MidiDeviceManagerTest, WarnsUnlessBothChosenPortsAreTheSynthesizers)
{
    service->addPortPair ("TolmVESK MIDI In", "TolmVESK MIDI Out");
    service->addPortPair ("USB MIDI In", "USB MIDI Out");

    struct Case
    {
        const char* input;
        const char* output;
        bool warns;
    };

    const Case cases[]{
        {"TolmVESK MIDI In", "TolmVESK MIDI Out", false},
        {"TolmVESK MIDI In", "USB MIDI Out", true},
        {"USB MIDI In", "TolmVESK MIDI Out", true},
        {"USB MIDI In", "USB MIDI Out", true},
        {"Unplugged", "USB MIDI Out", false},
    };

    for (const auto& c : cases)
    {
        manager->applyMidiPortSettings (Settings{false, c.input, c.output});
        EXPECT_EQ (manager->shouldWarnAboutDriver(), c.warns) << c.input << " / " << c.output;
    }

    manager->applyMidiPortSettings (Settings{true, {}, {}});
    EXPECT_FALSE (manager->shouldWarnAboutDriver()) << "no scan has said which ports lead to the synthesizer";
}
} // namespace
