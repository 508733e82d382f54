#include "app/ApplicationUndoManager.h"
#include "app/LibraryEditProcessor.h"
#include "data/CurrentProgramData.h"
#include "data/DataChangeBroadcaster.h"
#include "data/PresetDataChangeBroadcaster.h"
#include "support/FreshSingletons.h"
#include "support/RecordingObservers.h"

namespace
{
class CountingPresetObserver final : public data::PresetDataChangeBroadcasterObserver
{
public:
    void presetDataChanged() override { ++calls; }
    int calls = 0;
};
} // namespace

using DataChangeBroadcasterTest = test::FreshSingletons;

TEST_F (DataChangeBroadcasterTest, RelaysTheUndoHistoryOncePerPassOfTheLoop)
{
    auto* broadcaster = data::DataChangeBroadcaster::getInstance();
    test::RecordingObserver observer;
    broadcaster->addObserver (&observer);
    xTV200_application::LibraryEditProcessor edits;

    edits.clear ({ 1 });
    edits.clear ({ 2 });
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 1);

    application::ApplicationUndoManager::getInstance()->undo();
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 2);

    application::ApplicationUndoManager::getInstance()->clearUndoHistory();
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 3);

    broadcaster->triggerAsyncUpdate();
    broadcaster->triggerAsyncUpdate();
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 4);

    broadcaster->removeObserver (&observer);
}

TEST_F (DataChangeBroadcasterTest, PresetBroadcasterCallsEachObserverOncePerReload)
{
    auto* broadcaster = data::PresetDataChangeBroadcaster::getInstance();
    CountingPresetObserver first, second;
    broadcaster->addObserver (&first);
    broadcaster->addObserver (&second);

    broadcaster->triggerAsyncUpdate();
    broadcaster->triggerAsyncUpdate();
    ASSERT_TRUE (test::deliverPendingMessages());

    EXPECT_EQ (first.calls, 1);
    EXPECT_EQ (second.calls, 1);
    broadcaster->removeObserver (&first);
    broadcaster->removeObserver (&second);
}

TEST_F (DataChangeBroadcasterTest, ShutdownInStartupOrderIsSafe)
{
    // The undo manager is created after the broadcaster's first users, so at
    // shutdown it is deleted before them; they must not touch it afterwards.
    xTV200_data::CurrentProgramData::getInstance();
    data::DataChangeBroadcaster::getInstance();
    juce::DeletedAtShutdown::deleteAll();

    EXPECT_EQ (application::ApplicationUndoManager::getInstanceWithoutCreating(), nullptr);
    EXPECT_EQ (data::DataChangeBroadcaster::getInstanceWithoutCreating(), nullptr);
}
