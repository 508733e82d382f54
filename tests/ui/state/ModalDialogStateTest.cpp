#include "support/FreshSingletons.h"
#include "ui/state/ModalDialogState.h"

using ui::ModalDialogState;

namespace
{
class CountingObserver final : public ui::ModalDialogStateObserver
{
public:
    void modalStateChanged() override
    {
        ++calls;
        lastSeen = ModalDialogState::getInstance()->isModal();
    }

    int calls = 0;
    bool lastSeen = false;
};

using ModalDialogStateTest = test::FreshSingletons;
} // namespace

TEST_F (ModalDialogStateTest, AGuardHoldsTheStateAndASecondOneReportsBusy)
{
    auto* state = ModalDialogState::getInstance();
    {
        const ModalDialogState::Guard first;
        EXPECT_FALSE (first.isBusy());
        EXPECT_TRUE (state->isModal());

        {
            const ModalDialogState::Guard second;
            EXPECT_TRUE (second.isBusy());
        }

        EXPECT_TRUE (state->isModal());  // the busy guard must not clear it
    }

    EXPECT_FALSE (state->isModal());
}

TEST_F (ModalDialogStateTest, ObserversHearEachChangeAndReadTheCurrentState)
{
    auto* state = ModalDialogState::getInstance();
    CountingObserver observer;
    state->addObserver (&observer);

    state->setModal (true);
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 1);
    EXPECT_TRUE (observer.lastSeen);

    state->setModal (true);
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 1);

    state->setModal (false);
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 2);
    EXPECT_FALSE (observer.lastSeen);

    state->removeObserver (&observer);
}
