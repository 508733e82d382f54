#include "app/StartupSingletons.h"
#include "app/ApplicationUndoManager.h"
#include "app/DebugModeModel.h"
#include "app/PreferencesData.h"
#include "data/CurrentProgramData.h"
#include "data/DataChangeBroadcaster.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiDeviceManager.h"
#include "support/FreshSingletons.h"

using xTV200_application::DebugModeModel;

namespace
{
class StartupSingletonsTest : public test::FreshSingletons
{
protected:
    void TearDown() override
    {
        for (auto* name : {DebugModeModel::developerModeFileName, DebugModeModel::debugModeFileName})
            folder().getChildFile (name).deleteFile();

        delete DebugModeModel::getInstanceWithoutCreating();
        FreshSingletons::TearDown();
    }

    static juce::File folder() { return xTV200_preferences::PreferencesData::getPreferencesFolder(); }
};
} // namespace

TEST_F (StartupSingletonsTest, CreatesTheCoreAndShutsDownInReverseOrder)
{
    EXPECT_FALSE (xTV200_application::StartupSingletons::createInStartupOrder());

    auto* current = xTV200_data::CurrentProgramData::getInstanceWithoutCreating();
    ASSERT_NE (current, nullptr);
    EXPECT_EQ (current->getMode(), xTV200_data::CurrentProgramData::libraryProgram);
    EXPECT_EQ (xTV200_preferences::PreferencesData::getInstance()->getInt ("ProgramListHeight", 0), 25);

    juce::DeletedAtShutdown::deleteAll();
    EXPECT_EQ (xTV200_data::CurrentProgramData::getInstanceWithoutCreating(), nullptr);
    EXPECT_EQ (application::ApplicationUndoManager::getInstanceWithoutCreating(), nullptr);
    EXPECT_EQ (data::DataChangeBroadcaster::getInstanceWithoutCreating(), nullptr);
}

TEST_F (StartupSingletonsTest, ConfiguresTheMidiLayerFromThePreferences)
{
    xTV200_application::StartupSingletons::createInStartupOrder();
    auto* preferences = xTV200_preferences::PreferencesData::getInstance();
    preferences->setBool ("MidiPortAutoScan", false);
    preferences->setString ("MidiInPort", "Studio In");

    xTV200_application::StartupSingletons::configureMidi();

    auto* devices = midi::MidiDeviceManager::getInstanceWithoutCreating();
    ASSERT_NE (devices, nullptr);
    EXPECT_EQ (devices->getTargetFamilyId(), 0x0118);
    EXPECT_EQ (devices->getTargetMemberId(), -1);
    EXPECT_FALSE (devices->isAutomatic());
    EXPECT_NE (xTV200_midi::MidiCommunicationManager::getInstanceWithoutCreating(), nullptr);

    juce::DeletedAtShutdown::deleteAll();
    EXPECT_EQ (midi::MidiDeviceManager::getInstanceWithoutCreating(), nullptr);
    EXPECT_EQ (xTV200_midi::MidiCommunicationManager::getInstanceWithoutCreating(), nullptr);
}

TEST_F (StartupSingletonsTest, MarkerFilesSwitchTheDeveloperAndDebugModes)
{
    struct Case
    {
        bool developerFile, debugFile;
    };

    for (auto c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}})
    {
        folder().createDirectory();
        if (c.developerFile)
            folder().getChildFile (DebugModeModel::developerModeFileName).replaceWithText ("ignored");
        if (c.debugFile)
            folder().getChildFile (DebugModeModel::debugModeFileName).create();

        DebugModeModel model;
        model.readMarkerFiles (folder());

        EXPECT_EQ (model.developerMode, c.developerFile);
        EXPECT_EQ (model.debugMode, c.debugFile);
        EXPECT_EQ (model.showDebugInformation, c.debugFile);

        for (auto* name : {DebugModeModel::developerModeFileName, DebugModeModel::debugModeFileName})
            folder().getChildFile (name).deleteFile();
    }
}
