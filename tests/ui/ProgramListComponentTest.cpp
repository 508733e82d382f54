#include "ui/PresetDataDragItem.h"
#include "ProgramListFixture.h"

namespace
{
using xTV200_data::CurrentProgramData;
using Rows = std::vector<int>;
using ProgramListComponentTest = test::ProgramListFixture;
using test::nameProgram;

TEST_F (ProgramListComponentTest, TheSelectionChoosesTheCurrentProgramAndSendsItOnce)
{
    EXPECT_EQ (selectedRows(), Rows {0}) << "the first program is selected at start-up";

    list().selectRow (5);
    EXPECT_EQ (status(), Rows {5});
    EXPECT_EQ (CurrentProgramData::getInstance()->getMode(), CurrentProgramData::libraryProgram);
    EXPECT_EQ (CurrentProgramData::getInstance()->getProgramIndex(), 5);
    EXPECT_EQ (transmitter.names, juce::StringArray {"P5"});

    list().selectRow (7, true, false);
    test::deliverPendingMessages();
    EXPECT_EQ (status(), (Rows {5, 7}));
    EXPECT_EQ (selectedRows(), (Rows {5, 7})) << "the status's notification must not loop back";
    EXPECT_EQ (CurrentProgramData::getInstance()->getMode(), CurrentProgramData::noProgram);
    EXPECT_EQ (transmitter.names.size(), 1) << "no program is sent for two rows";

    list().selectRow (7);
    EXPECT_EQ (CurrentProgramData::getInstance()->getProgramIndex(), 7);
    EXPECT_EQ (transmitter.names, (juce::StringArray {"P5", "P7"}));
}

TEST_F (ProgramListComponentTest, FollowsTheStatusWhenAPresetProgramBecomesCurrent)
{
    ui::SelectedProgramStatus::getInstance()->setSelection ({3, 4});
    test::deliverPendingMessages();
    EXPECT_EQ (selectedRows(), (Rows {3, 4}));

    CurrentProgramData::getInstance()->selectPresetProgram (0, 1);
    test::deliverPendingMessages();
    EXPECT_TRUE (selectedRows().empty());
    EXPECT_EQ (CurrentProgramData::getInstance()->getMode(), CurrentProgramData::presetProgram);
}

TEST_F (ProgramListComponentTest, MovingTheFirstProgramToTheEndIsOneUndoableStepWithTheFavourites)
{
    auto& favorites = library().getFavorites();
    favorites.setValue (0, 0, 0);
    favorites.setValue (2, 5, 10);
    const xTV200_data::LibraryData before = library();

    ASSERT_TRUE (drop (programDrag ({0}), pointInRow (299, true)));
    test::deliverPendingMessages();

    EXPECT_EQ (nameAt (0), "P1");
    EXPECT_EQ (nameAt (298), "P299");
    EXPECT_EQ (nameAt (299), "P0");
    EXPECT_EQ (favorites.getValue (0, 0), 299) << "a favourite follows its program";
    EXPECT_EQ (favorites.getValue (2, 5), 9);
    EXPECT_EQ (selectedRows(), Rows {299});
    EXPECT_EQ (CurrentProgramData::getInstance()->getProgramIndex(), 299);
    EXPECT_EQ (undoHistory().getUndoDescription(), "DragInsert");

    ASSERT_TRUE (undoHistory().undo());
    EXPECT_FALSE (undoHistory().canUndo());
    EXPECT_TRUE (library() == before);
}

TEST_F (ProgramListComponentTest, MovingTwoRowsPlacesThemAtTheGapAndSelectsThemThere)
{
    select ({1, 3});
    ASSERT_TRUE (drop (programDrag ({1, 3}), pointInRow (4, false)));

    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ (nameAt (slot), juce::String ("P") + "02134"[slot]) << slot;
    EXPECT_EQ (selectedRows(), (Rows {2, 3}));
    EXPECT_EQ (status(), (Rows {2, 3}));
}

TEST_F (ProgramListComponentTest, ACtrlDropCopiesOverlappingRowsFromBeforeTheDrop)
{
    library().getFavorites().setValue (1, 1, 10);
    const xTV200_data::LibraryData before = library();
    select ({1, 2, 3});

    juce::ModifierKeys::currentModifiers = juce::ModifierKeys (juce::ModifierKeys::ctrlModifier);
    ASSERT_TRUE (drop (programDrag ({1, 2, 3}), pointInRow (2, true)));

    const juce::StringArray expected {"P0", "P1", "P1", "P2", "P3", "P5"};
    for (int slot = 0; slot < expected.size(); ++slot)
        EXPECT_EQ (nameAt (slot), expected[slot]) << slot;
    EXPECT_EQ (library().getFavorites().getValue (1, 1), 10) << "a copy leaves the favourites alone";
    EXPECT_EQ (selectedRows(), (Rows {2, 3, 4}));
    EXPECT_EQ (undoHistory().getUndoDescription(), "DragCopy");

    ASSERT_TRUE (undoHistory().undo());
    EXPECT_FALSE (undoHistory().canUndo());
    EXPECT_TRUE (library() == before);
}

TEST_F (ProgramListComponentTest, APresetDropReplacesOneRowAndKeepsTheSelection)
{
    xTV200_data::PresetData preset;
    nameProgram (preset.getProgram (7), "Bell Tower");
    xTV200_data::DataCenter::getInstance()->getPresets().append (preset);
    select ({1});

    ASSERT_TRUE (drop (ui::PresetDataDragItem {"PresetDataDragItem", 0, 7}.toVar(), pointInRow (4, true)));
    EXPECT_EQ (pane->getProgramList().getDropKind(), 2);
    EXPECT_EQ (nameAt (4), "Bell Tower");
    EXPECT_EQ (nameAt (3), "P3");
    EXPECT_EQ (nameAt (5), "P5");
    EXPECT_EQ (selectedRows(), Rows {1});
    EXPECT_EQ (undoHistory().getUndoDescription(), "DropPreset");

    // A preset that is not installed must not wipe the row with an initial program.
    ASSERT_TRUE (undoHistory().undo());
    ASSERT_TRUE (drop (ui::PresetDataDragItem {"PresetDataDragItem", 3, 7}.toVar(), pointInRow (4, true)));
    EXPECT_EQ (nameAt (4), "P4");
    EXPECT_FALSE (undoHistory().canUndo());
}

TEST_F (ProgramListComponentTest, TakesOnlyTheDragsItKnows)
{
    struct Case
    {
        juce::var description;
        bool accepted;
    };

    const Case cases[] {
        {programDrag ({2}), true},
        {ui::PresetDataDragItem {"PresetDataDragItem", 0, 1}.toVar(), true},
        {juce::Array<juce::var> {"FavoriteDataDragItem", 0, 1}, false},
        {ui::ProgramListDragItem ("ProgramListDrag", {2}).toVar(), false},
        {"ProgramListDragItem", false},
    };

    // Row 2 dropped just below itself and a preset that is not installed change nothing.
    const xTV200_data::LibraryData before = library();
    for (const auto& c : cases)
        EXPECT_EQ (drop (c.description, pointInRow (2, true)), c.accepted) << juce::JSON::toString (c.description);

    EXPECT_TRUE (library() == before);
    EXPECT_FALSE (undoHistory().canUndo());
}
} // namespace

namespace
{
/** The colour of the list's pixel at a point of the list, from a snapshot
    of the whole list. */
juce::Colour pixelOfList (juce::Component& list, juce::Point<int> point)
{
    return list.createComponentSnapshot (list.getLocalBounds()).getPixelAt (point.x, point.y);
}

TEST_F (ProgramListComponentTest, AHoveringDragMarksTheGapOrTheCopyTarget)
{
    const auto insertColour = juce::Colour (0xff730303);
    const auto rowFive = list().getRowPosition (5, true);
    const auto gapAboveRowFive = juce::Point<int> (rowFive.getCentreX(), rowFive.getY());
    const auto middleOfRowFive = rowFive.getCentre();
    const juce::DragAndDropTarget::SourceDetails move (programDrag ({1}), &list(), pointInRow (5, false));

    ASSERT_TRUE (list().isInterestedInDragSource (move));
    list().itemDragEnter (move);
    EXPECT_EQ (pixelOfList (list(), gapAboveRowFive), insertColour) << "the bar at the gap";
    EXPECT_NE (pixelOfList (list(), middleOfRowFive), insertColour);

    list().itemDragExit (move);
    EXPECT_NE (pixelOfList (list(), gapAboveRowFive), insertColour) << "gone when the drag leaves";

    // A preset drop fills the row under the pointer; away from the text, the
    // row is otherwise black.
    const auto leftOfRowFive = juce::Point<int> (4, rowFive.getCentreY());
    EXPECT_LT (pixelOfList (list(), leftOfRowFive).getRed(), 0x10);
    const auto presetDrag = ui::PresetDataDragItem { "PresetDataDragItem", 0, 3 }.toVar();
    const juce::DragAndDropTarget::SourceDetails preset (presetDrag, &list(), pointInRow (5, false));
    ASSERT_TRUE (list().isInterestedInDragSource (preset));
    list().itemDragEnter (preset);
    const auto filled = pixelOfList (list(), leftOfRowFive);
    EXPECT_GT (filled.getRed(), 0x30) << filled.toDisplayString (true);
    EXPECT_LT (filled.getGreen(), 0x10) << filled.toDisplayString (true);
    list().itemDragExit (preset);
}
} // namespace
