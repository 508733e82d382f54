#include "app/ApplicationStartupProcess.h"
#include "app/PreferencesData.h"
#include "midi/MidiDeviceManager.h"
#include "midi/service/VirtualMidiService.h"
#include "support/FreshSingletons.h"

namespace
{
class ApplicationStartupProcessTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        auto* devices = midi::MidiDeviceManager::getInstance();
        devices->setService (std::make_shared<midi::VirtualMidiService>());
        devices->setScanTimings (50, 0);
    }

    xTV200_application::ApplicationStartupProcess::Steps countingSteps()
    {
        return {[this] { ++receives; }, [this] { ++twitterStarts; }, [this] { ++presetWindowOpenings; }};
    }

    int presetWindowOpenings = 0;
    int receives = 0;
    int twitterStarts = 0;
};

TEST_F (ApplicationStartupProcessTest, ReceivesOnceAfterTheScanOrAtOnceWithManualPorts)
{
    struct Case
    {
        const char* what;
        bool autoScan;
        bool autoReceive;
        bool fileOpened;
        int receives;
    };

    const Case cases[]{
        {"after the scan", true, true, false, 1},
        {"manual ports", false, true, false, 1},
        {"a file opened from the command line", true, true, true, 0},
        {"AutoReceive off", false, false, false, 0},
    };

    for (const auto& c : cases)
    {
        receives = twitterStarts = 0;
        auto* preferences = xTV200_preferences::PreferencesData::getInstance();
        preferences->setBool ("MidiPortAutoScan", c.autoScan);
        preferences->setBool ("AutoReceive", c.autoReceive);

        xTV200_application::ApplicationStartupProcess startup (countingSteps());
        if (c.fileOpened)
            startup.setFileOpenedFromCommandLine();

        startup.start();
        ASSERT_TRUE (test::runMessageLoopUntil ([&] { return startup.isFinished(); })) << c.what;
        EXPECT_EQ (receives, c.receives) << c.what;
        EXPECT_EQ (twitterStarts, 1) << c.what;

        midi::MidiDeviceManager::getInstance()->startScan();
        ASSERT_TRUE (
            test::runMessageLoopUntil ([] { return midi::MidiDeviceManager::getInstance()->isScanDone(); }));
        test::deliverPendingMessages();
        EXPECT_EQ (receives, c.receives) << c.what << ": a later scan runs nothing again";
        EXPECT_EQ (twitterStarts, 1) << c.what;
    }
}
TEST_F (ApplicationStartupProcessTest, ReopensThePresetWindowOnlyWhenItWasOpenAtTheLastQuit)
{
    auto* preferences = xTV200_preferences::PreferencesData::getInstance();
    preferences->setBool ("MidiPortAutoScan", false);

    for (const bool wasOpen : {false, true})
    {
        presetWindowOpenings = 0;
        preferences->setBool ("ShowPresetWindow", wasOpen);

        xTV200_application::ApplicationStartupProcess startup (countingSteps());
        startup.start();
        EXPECT_EQ (presetWindowOpenings, wasOpen ? 1 : 0) << "before the deferred step";
        ASSERT_TRUE (test::runMessageLoopUntil ([&] { return startup.isFinished(); }));

        startup.start();
        EXPECT_EQ (presetWindowOpenings, wasOpen ? 1 : 0) << "a finished start-up does nothing again";
    }
}
} // namespace
