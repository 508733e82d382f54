#include "app/PreferencesDataChangeBroadcaster.h"

#include "support/MessageLoop.h"

#include <gtest/gtest.h>

using application::PreferencesDataChangeBroadcaster;

namespace
{
struct RecordingObserver final : public application::PreferencesDataChangeBroadcasterObserver
{
    RecordingObserver (std::vector<int>& logToUse, int idToUse) : log (logToUse), id (idToUse) {}
    void preferencesChanged() override { log.push_back (id); }

    std::vector<int>& log;
    int id;
};
} // namespace

TEST (PreferencesDataChangeBroadcaster, NotifiesOnceInRegistrationOrderForSeveralTriggers)
{
    PreferencesDataChangeBroadcaster broadcaster;
    std::vector<int> log;
    RecordingObserver first (log, 1), second (log, 2), third (log, 3), removed (log, 4);

    broadcaster.addObserver (&second);
    broadcaster.addObserver (&removed);
    broadcaster.addObserver (&first);
    broadcaster.addObserver (&third);
    broadcaster.removeObserver (&removed);

    broadcaster.triggerAsyncUpdate();
    broadcaster.triggerAsyncUpdate();
    EXPECT_TRUE (log.empty());

    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (log, (std::vector<int> { 2, 1, 3 }));

    broadcaster.changeListenerCallback (nullptr);
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (log, (std::vector<int> { 2, 1, 3, 2, 1, 3 }));
}

TEST (PreferencesDataChangeBroadcaster, ANotificationPendingAtDeletionIsDropped)
{
    std::vector<int> log;
    RecordingObserver observer (log, 1);

    {
        PreferencesDataChangeBroadcaster broadcaster;
        broadcaster.addObserver (&observer);
        broadcaster.triggerAsyncUpdate();
    }

    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_TRUE (log.empty());
}
