#include "app/ApplicationUndoManager.h"
#include "app/LibraryEditProcessor.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "support/FreshSingletons.h"
#include "support/RecordingObservers.h"
#include "ui/state/SelectedProgramStatus.h"

using xTV200_data::CurrentProgramData;
using xTV200_data::DataCenter;
using xTV200_data::ProgramData;

namespace
{
class RecordingTransmitter final : public xTV200_data::CurrentProgramTransmitter
{
public:
    void transmit (const ProgramData& program) override { transmitted.push_back (program); }
    std::vector<ProgramData> transmitted;
};

class CurrentProgramDataTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        current = CurrentProgramData::getInstance();
        current->setTransmitter (&transmitter);
        current->addObserver (&observer);
    }

    void addPresetWithProgram (int index, juce::uint8 firstByte)
    {
        xTV200_data::PresetData preset;
        preset.getProgram (index).setByte (0, firstByte);
        DataCenter::getInstance()->getPresets().append (preset);
    }

    CurrentProgramData* current = nullptr;
    RecordingTransmitter transmitter;
    test::RecordingObserver observer;
};
} // namespace

TEST_F (CurrentProgramDataTest, StartsWithTheSelectedProgramWithoutTransmitting)
{
    EXPECT_EQ (current->getMode(), CurrentProgramData::libraryProgram);
    EXPECT_EQ (current->getProgramIndex(), 0);
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 0);
    EXPECT_TRUE (transmitter.transmitted.empty());
}

TEST_F (CurrentProgramDataTest, FollowsTheSelection)
{
    struct Step
    {
        std::vector<int> selection;
        int mode, programIndex, transmissions, notifications;
    };

    // Each step: the state after it, and the running counts of transmissions
    // and notifications once the message loop has run.
    const Step steps[] = {
        { { 0 }, CurrentProgramData::libraryProgram, 0, 0, 0 },  // already current
        { { 5 }, CurrentProgramData::libraryProgram, 5, 1, 1 },
        { { 5 }, CurrentProgramData::libraryProgram, 5, 1, 1 },  // the same again
        { { 5, 6 }, CurrentProgramData::noProgram, -1, 1, 2 },   // several: none, not sent
        { {}, CurrentProgramData::noProgram, -1, 1, 2 },         // still none
        { { 9 }, CurrentProgramData::libraryProgram, 9, 2, 3 },
    };

    for (const auto& step : steps)
    {
        current->selectLibraryPrograms (step.selection);
        ASSERT_TRUE (test::deliverPendingMessages());
        EXPECT_EQ (current->getMode(), step.mode);
        EXPECT_EQ (current->getProgramIndex(), step.programIndex);
        EXPECT_EQ ((int) transmitter.transmitted.size(), step.transmissions);
        EXPECT_EQ (observer.calls, step.notifications);
    }
}

TEST_F (CurrentProgramDataTest, TransmitsACopyOfTheCurrentProgram)
{
    auto& library = DataCenter::getInstance()->getLibrary();
    library.getProgram (3).setByte (0, 'T');

    current->selectLibraryPrograms ({ 3 });
    library.getProgram (3).setByte (0, 'U');

    ASSERT_EQ (transmitter.transmitted.size(), 1u);
    EXPECT_EQ (transmitter.transmitted[0].getByte (0), 'T');
    EXPECT_EQ (current->getProgram().getByte (0), 'U');
}

TEST_F (CurrentProgramDataTest, SeveralChangesBeforeTheLoopRunsGiveOneNotification)
{
    current->selectLibraryPrograms ({ 1 });
    current->selectLibraryPrograms ({ 2 });
    current->selectLibraryPrograms ({ 3 });

    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 1);
    EXPECT_EQ (transmitter.transmitted.size(), 3u);
}

TEST_F (CurrentProgramDataTest, ChoosingAPresetProgramClearsTheListSelection)
{
    addPresetWithProgram (17, 'P');

    current->selectPresetProgram (0, 17);

    EXPECT_EQ (current->getMode(), CurrentProgramData::presetProgram);
    EXPECT_EQ (current->getProgram().getByte (0), 'P');
    EXPECT_TRUE (ui::SelectedProgramStatus::getInstance()->getSelection().empty());
    ASSERT_EQ (transmitter.transmitted.size(), 1u);

    current->selectPresetProgram (0, 17);
    EXPECT_EQ (transmitter.transmitted.size(), 1u);
}

TEST_F (CurrentProgramDataTest, IndicesOutOfRangeGiveTheInitialProgram)
{
    current->selectPresetProgram (4, 0);
    EXPECT_EQ (current->getProgram(), ProgramData());

    current->selectLibraryPrograms ({ 300 });
    EXPECT_EQ (current->getProgram(), ProgramData());
}

TEST_F (CurrentProgramDataTest, LibraryEditsNotifyWithoutTransmittingWhileALibraryProgramIsCurrent)
{
    xTV200_application::LibraryEditProcessor edits;

    edits.clear ({ 0 });
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 1);

    application::ApplicationUndoManager::getInstance()->undo();
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, 2);
    EXPECT_TRUE (transmitter.transmitted.empty());

    current->selectPresetProgram (0, 0);
    ASSERT_TRUE (test::deliverPendingMessages());
    const auto callsWithPreset = observer.calls;
    edits.clear ({ 1 });
    ASSERT_TRUE (test::deliverPendingMessages());
    EXPECT_EQ (observer.calls, callsWithPreset);
}

TEST_F (CurrentProgramDataTest, ObserversAreCalledInRegistrationOrder)
{
    std::vector<int> log;
    test::RecordingObserver first (&log, 1), second (&log, 2), third (&log, 3);
    current->removeObserver (&observer);
    current->addObserver (&first);
    current->addObserver (&second);
    current->addObserver (&third);
    current->removeObserver (&second);
    current->addObserver (&second);

    current->selectLibraryPrograms ({ 4 });
    ASSERT_TRUE (test::deliverPendingMessages());

    EXPECT_EQ (log, (std::vector<int> { 1, 3, 2 }));
}
