#include "app/PreferencesDataUpdater.h"

#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/PreferencesDataChangeBroadcaster.h"

#include "support/MessageLoop.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

using xTV200_preferences::PreferencesData;
using xTV200_preferences::PreferencesDataUpdater;
namespace PreferenceKeys = xTV200_preferences::PreferenceKeys;

namespace
{
struct RecordingTargets final : public PreferencesDataUpdater::MidiPortTarget,
                                public PreferencesDataUpdater::FontTarget,
                                public application::PreferencesDataChangeBroadcasterObserver
{
    RecordingTargets()
    {
        PreferencesDataUpdater::setMidiPortTarget (this);
        PreferencesDataUpdater::setFontTarget (this);
        application::PreferencesDataChangeBroadcaster::getInstance()->addObserver (this);
    }

    ~RecordingTargets() override
    {
        PreferencesDataUpdater::setMidiPortTarget (nullptr);
        PreferencesDataUpdater::setFontTarget (nullptr);
        application::PreferencesDataChangeBroadcaster::getInstance()->removeObserver (this);
    }

    void applyMidiPortSettings (const PreferencesDataUpdater::MidiPortSettings& settings) override
    {
        midiPortSettings.push_back (settings);
    }

    void setFontHeight (const juce::String& fontName, int height) override
    {
        fontHeights.add (fontName + "=" + juce::String (height));
    }

    void preferencesChanged() override { ++numNotifications; }

    std::vector<PreferencesDataUpdater::MidiPortSettings> midiPortSettings;
    juce::StringArray fontHeights;
    int numNotifications = 0;
};

class PreferencesDataUpdaterTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE (test::deliverPendingMessages()); }

    test::TemporaryFolder folder;
    PreferencesData preferences { folder.getChildFile ("PreferencesData.xml") };
    RecordingTargets targets;
    PreferencesDataUpdater updater { preferences };
};
} // namespace

TEST (PreferencesDataUpdaterFontHeight, IsTheRowHeightTimesSinglePrecisionPointSixTruncated)
{
    const int cases[][2] = { { 20, 12 }, { 25, 15 }, { 30, 18 }, { 35, 21 }, { 40, 24 },
                             { 0, 0 },   { 1, 0 },   { 3, 1 },   { 5, 3 },   { -25, -15 } };

    for (const auto& c : cases)
        EXPECT_EQ (PreferencesDataUpdater::getListFontHeight (c[0]), c[1]) << c[0];
}

TEST_F (PreferencesDataUpdaterTest, SetsTheFiveListFontsInOrderThenNotifies)
{
    preferences.setInt (PreferenceKeys::ProgramListHeight, 30);
    updater.applyListFontSize();

    EXPECT_EQ (targets.fontHeights,
               juce::StringArray ("ProgramListNumber=18", "ProgramListName=18", "ProgramListCategory=18",
                                  "PresetListItemPresetData=18", "PresetListItemProgram=18"));
    EXPECT_EQ (targets.numNotifications, 0);

    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (targets.numNotifications, 1);
}

TEST_F (PreferencesDataUpdaterTest, AMissingListHeightGivesHeightZero)
{
    updater.applyListFontSize();
    ASSERT_EQ (targets.fontHeights.size(), 5);
    EXPECT_EQ (targets.fontHeights[0], "ProgramListNumber=0");
}

TEST_F (PreferencesDataUpdaterTest, HandsTheMidiPortSettingsToTheTarget)
{
    updater.applyMidiPortSettings();

    preferences.setBool (PreferenceKeys::MidiPortAutoScan, false);
    preferences.setString (PreferenceKeys::MidiInPort, "In A");
    preferences.setString (PreferenceKeys::MidiOutPort, "Out B");
    updater.applyMidiPortSettings();

    ASSERT_EQ (targets.midiPortSettings.size(), 2u);
    EXPECT_TRUE (targets.midiPortSettings[0].autoScan);
    EXPECT_EQ (targets.midiPortSettings[0].inPortName, "");
    EXPECT_FALSE (targets.midiPortSettings[1].autoScan);
    EXPECT_EQ (targets.midiPortSettings[1].inPortName, "In A");
    EXPECT_EQ (targets.midiPortSettings[1].outPortName, "Out B");
}

TEST_F (PreferencesDataUpdaterTest, WithoutTargetsOnlyTheNotificationRemains)
{
    PreferencesDataUpdater::setMidiPortTarget (nullptr);
    PreferencesDataUpdater::setFontTarget (nullptr);

    updater.applyMidiPortSettings();
    updater.applyListFontSize();
    ASSERT_TRUE (test::deliverPendingMessages());

    EXPECT_TRUE (targets.midiPortSettings.empty());
    EXPECT_TRUE (targets.fontHeights.isEmpty());
    EXPECT_EQ (targets.numNotifications, 1);
}
