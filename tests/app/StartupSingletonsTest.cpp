#include "app/ApplicationUndoManager.h"
#include "app/DebugModeModel.h"
#include "app/PreferencesData.h"
#include "app/StartupSingletons.h"
#include "data/CurrentProgramData.h"
#include "data/DataChangeBroadcaster.h"
#include "support/FreshSingletons.h"

using xTV200_application::DebugModeModel;

namespace
{
class StartupSingletonsTest : public test::FreshSingletons
{
protected:
    void TearDown() override
    {
        for (auto* name : { DebugModeModel::developerModeFileName, DebugModeModel::debugModeFileName })
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

TEST_F (StartupSingletonsTest, MarkerFilesSwitchTheDeveloperAndDebugModes)
{
    struct Case
    {
        bool developerFile, debugFile;
    };

    for (auto c : { Case { false, false }, Case { true, false }, Case { false, true }, Case { true, true } })
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

        for (auto* name : { DebugModeModel::developerModeFileName, DebugModeModel::debugModeFileName })
            folder().getChildFile (name).deleteFile();
    }
}
