#include "app/ApplicationUndoManager.h"
#include "app/DataEditStatus.h"
#include "app/InMemoryProgramClipboard.h"
#include "app/LibraryEditProcessor.h"
#include "data/DataCenter.h"
#include "support/FreshSingletons.h"

#include <numeric>

using xTV200_data::LibraryData;
using xTV200_data::ProgramData;

namespace
{
ProgramData programMarked (juce::uint8 mark)
{
    ProgramData program;
    program.setByte (0, mark);
    program.getInformation().comment = juce::String::charToString ((juce::juce_wchar) mark);
    return program;
}

/** A library whose program i is marked with i, so moves are easy to see. */
LibraryData markedLibrary()
{
    LibraryData library;
    for (int i = 0; i < LibraryData::numPrograms; ++i)
    {
        library.getProgram (i).setByte (20, static_cast<juce::uint8> (i & 0xFF));
        library.getProgram (i).setByte (21, static_cast<juce::uint8> (i >> 8));
    }
    return library;
}

int markOf (const ProgramData& program) { return program.getByte (20) | (program.getByte (21) << 8); }

class LibraryEditProcessorTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        undoManager = application::ApplicationUndoManager::getInstance();
        status = application::DataEditStatus::getInstance();
        library().copyFrom (markedLibrary());
        processor = std::make_unique<xTV200_application::LibraryEditProcessor>();
    }

    static LibraryData& library() { return xTV200_data::DataCenter::getInstance()->getLibrary(); }

    // Made in SetUp: it holds on to the singletons of this test.
    std::unique_ptr<xTV200_application::LibraryEditProcessor> processor;
    application::InMemoryProgramClipboard clipboard;
    application::ApplicationUndoManager* undoManager = nullptr;
    application::DataEditStatus* status = nullptr;
};
} // namespace

TEST_F (LibraryEditProcessorTest, CutThenPasteAndUndoBoth)
{
    library().getProgram (5) = programMarked ('5');
    const auto originalFive = library().getProgram (5);
    const auto originalSeven = library().getProgram (7);

    ASSERT_TRUE (processor->cut ({ 5 }, clipboard));
    ASSERT_TRUE (processor->paste ({ 7, 9 }, clipboard));

    EXPECT_EQ (library().getProgram (7), originalFive);
    EXPECT_EQ (library().getProgram (5).getHash(), ProgramData().getHash());
    EXPECT_EQ (markOf (library().getProgram (9)), 9);
    EXPECT_TRUE (status->isModified());

    ASSERT_TRUE (undoManager->undo());
    ASSERT_TRUE (undoManager->undo());
    EXPECT_EQ (library().getProgram (5), originalFive);
    EXPECT_EQ (library().getProgram (7), originalSeven);
    EXPECT_FALSE (status->isModified());
    EXPECT_FALSE (undoManager->canUndo());
}

TEST_F (LibraryEditProcessorTest, CopyLeavesTheLibraryAndHistoryAlone)
{
    ASSERT_TRUE (processor->copy ({ 3, 4 }, clipboard));

    ProgramData pasted;
    ASSERT_TRUE (pasted.deserialize (data::SerializedData (clipboard.getProgramData())));
    EXPECT_EQ (pasted, library().getProgram (3));
    EXPECT_FALSE (undoManager->canUndo());
    EXPECT_FALSE (status->isModified());
}

TEST_F (LibraryEditProcessorTest, UnmetPreconditionsLeaveNoTransaction)
{
    const auto before = library();

    EXPECT_FALSE (processor->cut ({}, clipboard));
    EXPECT_FALSE (processor->copy ({}, clipboard));
    EXPECT_FALSE (processor->clear ({}));
    EXPECT_FALSE (processor->paste ({ 1 }, clipboard));  // the clipboard offers nothing
    clipboard.setProgramData (juce::MemoryBlock ("not a program", 13));
    EXPECT_FALSE (processor->paste ({ 1 }, clipboard));  // offered, but does not deserialize
    processor->copy ({ 2 }, clipboard);
    EXPECT_FALSE (processor->paste ({}, clipboard));
    EXPECT_FALSE (processor->setFavorite (0, 0, {}));
    EXPECT_FALSE (processor->dragInsert ({ 1, 2, 3 }));
    EXPECT_FALSE (processor->receiveSelectedPrograms ({}, LibraryData()));

    std::vector<int> duplicated (300);
    std::iota (duplicated.begin(), duplicated.end(), 0);
    duplicated[299] = 0;
    EXPECT_FALSE (processor->dragInsert (duplicated));

    EXPECT_EQ (library(), before);
    EXPECT_FALSE (undoManager->canUndo());
    EXPECT_FALSE (status->isModified());
}

TEST_F (LibraryEditProcessorTest, ClearOfSeveralProgramsIsOneUndo)
{
    ASSERT_TRUE (processor->clear ({ 2, 4, 6 }));
    for (int index : { 2, 4, 6 })
        EXPECT_EQ (library().getProgram (index).getHash(), ProgramData().getHash());

    ASSERT_TRUE (undoManager->undo());
    EXPECT_EQ (library(), markedLibrary());
    EXPECT_FALSE (undoManager->canUndo());
}

TEST_F (LibraryEditProcessorTest, MovingProgramZeroToTheEndTakesItsFavouritesAlong)
{
    std::vector<int> order (300);
    std::iota (order.begin(), order.begin() + 299, 1);
    order[299] = 0;

    ASSERT_TRUE (processor->dragInsert (order));

    EXPECT_EQ (markOf (library().getProgram (299)), 0);
    EXPECT_EQ (markOf (library().getProgram (0)), 1);
    const auto& favorites = library().getFavorites();
    EXPECT_EQ (favorites.getValue (0, 0), 299);  // named program 0
    EXPECT_EQ (favorites.getValue (0, 1), 34);   // named program 35
    EXPECT_EQ (favorites.getValue (5, 7), 206);  // named program 207

    ASSERT_TRUE (undoManager->undo());
    EXPECT_EQ (library(), markedLibrary());
    EXPECT_FALSE (undoManager->canUndo());
}

TEST_F (LibraryEditProcessorTest, FavouritesNamingNoProgramMoveToZero)
{
    library().getFavorites().setValue (1, 1, 999);
    std::vector<int> order (300);
    std::iota (order.begin(), order.end(), 0);
    std::swap (order[0], order[1]);

    ASSERT_TRUE (processor->dragInsert (order));
    EXPECT_EQ (library().getFavorites().getValue (1, 1), 0);
}

TEST_F (LibraryEditProcessorTest, DragCopyReadsEverySourceAsItWasBeforeTheDrop)
{
    ASSERT_TRUE (processor->dragCopy ({ { 1, 0 }, { 2, 1 }, { 3, 2 } }));

    EXPECT_EQ (markOf (library().getProgram (1)), 0);
    EXPECT_EQ (markOf (library().getProgram (2)), 1);
    EXPECT_EQ (markOf (library().getProgram (3)), 2);

    ASSERT_TRUE (undoManager->undo());
    EXPECT_EQ (library(), markedLibrary());
}

TEST_F (LibraryEditProcessorTest, FavouriteEditsAndTheirUndo)
{
    auto& favorites = library().getFavorites();

    ASSERT_TRUE (processor->setFavorite (2, 2, { 250, 251 }));
    EXPECT_EQ (favorites.getValue (2, 2), 250);

    processor->copyFavorite (0, 1, 0, 2);
    EXPECT_EQ (favorites.getValue (0, 2), 35);

    processor->swapFavorites (1, 0, 4, 7);
    EXPECT_EQ (favorites.getValue (1, 0), 195);
    EXPECT_EQ (favorites.getValue (4, 7), 10);

    ASSERT_TRUE (undoManager->undo());
    EXPECT_EQ (favorites.getValue (1, 0), 10);
    EXPECT_EQ (favorites.getValue (4, 7), 195);
    ASSERT_TRUE (undoManager->undo());
    ASSERT_TRUE (undoManager->undo());
    EXPECT_EQ (favorites, xTV200_data::FavoriteData());
}

TEST_F (LibraryEditProcessorTest, ReceivedProgramsAndPresetDrops)
{
    LibraryData received;
    received.getProgram (8) = programMarked ('8');
    received.getProgram (9) = programMarked ('9');

    ASSERT_TRUE (processor->receiveSelectedPrograms ({ 8, 9 }, received));
    processor->dropPreset (10, programMarked ('P'));
    processor->loadProgram (11, programMarked ('L'));

    EXPECT_EQ (library().getProgram (8), received.getProgram (8));
    EXPECT_EQ (library().getProgram (9), received.getProgram (9));
    EXPECT_EQ (library().getProgram (10), programMarked ('P'));
    EXPECT_EQ (library().getProgram (11), programMarked ('L'));

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE (undoManager->undo());
    EXPECT_EQ (library(), markedLibrary());
}

TEST_F (LibraryEditProcessorTest, TheLastTwentyLibraryReceivesAlwaysStayUndoable)
{
    undoManager->applyLimits();
    processor->clear ({ 0 });

    for (int receive = 1; receive <= 20; ++receive)
    {
        LibraryData received;
        received.getProgram (0).setByte (30, static_cast<juce::uint8> (receive));
        processor->receiveLibrary (received);
    }

    // Twenty-one transactions of more than two million units: the oldest goes.
    int undos = 0;
    while (undoManager->undo())
        ++undos;

    EXPECT_EQ (undos, 20);
    EXPECT_EQ (library().getProgram (0).getHash(), ProgramData().getHash());
    EXPECT_EQ (markOf (library().getProgram (1)), 1);  // the state after the clear
}

TEST_F (LibraryEditProcessorTest, SmallTransactionsStayWhileWithinTheLimit)
{
    for (int i = 0; i < 40; ++i)
        processor->clear ({ i });

    int undos = 0;
    while (undoManager->undo())
        ++undos;

    EXPECT_EQ (undos, 40);
    EXPECT_EQ (library(), markedLibrary());
}

TEST_F (LibraryEditProcessorTest, UndoAfterASaveMarksTheLibraryModifiedAgain)
{
    processor->clear ({ 1 });
    status->clearModified();  // what a save does

    ASSERT_TRUE (undoManager->undo());
    EXPECT_TRUE (status->isModified());

    ASSERT_TRUE (undoManager->redo());
    EXPECT_TRUE (status->isModified());
}

TEST_F (LibraryEditProcessorTest, UndoBackToTheCleanStateClearsTheMark)
{
    processor->clear ({ 1 });
    processor->clear ({ 2 });
    ASSERT_TRUE (undoManager->undo());
    EXPECT_TRUE (status->isModified());
    ASSERT_TRUE (undoManager->undo());
    EXPECT_FALSE (status->isModified());
    ASSERT_TRUE (undoManager->redo());
    EXPECT_TRUE (status->isModified());
}
