#include "app/InMemoryProgramClipboard.h"
#include "app/LibraryEditProcessor.h"
#include "data/DataChangeBroadcaster.h"
#include "ui/FavoriteDragItem.h"
#include "ui/FavoritePageTestFixture.h"
#include "ui/PresetDataDragItem.h"
#include "ui/ProgramListDragItem.h"

namespace
{
using juce::var;
using Vars = juce::Array<var>;
using xTV200_ui::FavoriteDisplayComponent;
using xTV200_ui::FavoriteDragItem;
using SourceDetails = juce::DragAndDropTarget::SourceDetails;

/** Holds the given modifier keys as the framework's current ones while it lives. */
struct HeldModifiers
{
    explicit HeldModifiers (int flags) { juce::ModifierKeys::currentModifiers = juce::ModifierKeys (flags); }
    ~HeldModifiers() { juce::ModifierKeys::currentModifiers = saved; }

    const juce::ModifierKeys saved = juce::ModifierKeys::currentModifiers;
};

class FavoriteDisplayTest : public test::FavoritePageTest
{
protected:
    var programDrag (std::vector<int> rows) const
    {
        return ui::ProgramListDragItem ("ProgramListDragItem", std::move (rows)).toVar();
    }

    var favoriteDrag (int bank, int slot) const
    {
        return FavoriteDragItem (FavoriteDragItem::favoriteDragName, bank, slot).getDescription();
    }

    /** What the framework does when an item is let go over a button that is
        interested in it; returns whether it was. */
    bool drop (FavoriteDisplayComponent& target, const var& description, juce::Component* source = nullptr)
    {
        const SourceDetails details (description, source, {40, 30});

        if (! target.isInterestedInDragSource (details))
            return false;

        target.itemDragEnter (details);
        EXPECT_TRUE (target.isDragOver());
        target.itemDropped (details);
        EXPECT_FALSE (target.isDragOver());
        test::deliverPendingMessages();
        return true;
    }

    void expectShows (int bank, int slot, const juce::String& number, const juce::String& name)
    {
        EXPECT_EQ (display (bank, slot).getNumberText(), number) << bank << ":" << slot;
        EXPECT_EQ (display (bank, slot).getNameText(), name) << bank << ":" << slot;
    }

    /** Undoes the last transaction and checks it was the only one. */
    void undoTheOneTransaction (const juce::String& expectedName)
    {
        EXPECT_EQ (history().getUndoDescription(), expectedName);
        EXPECT_TRUE (history().undo());
        EXPECT_FALSE (history().canUndo()) << "one transaction only";
        test::deliverPendingMessages();
    }
};

TEST_F (FavoriteDisplayTest, AFreshLibraryShowsTheInitialAssignment)
{
    expectShows (1, 0, "011", "Prog 10");
    expectShows (3, 5, "143", "Prog 142");
    expectShows (5, 0, "201", "Prog 200");
}

TEST_F (FavoriteDisplayTest, AProgramDragSetsTheSlotToItsFirstProgram)
{
    HeldModifiers ctrl (juce::ModifierKeys::ctrlModifier); // plays no part in a program drop

    ASSERT_TRUE (drop (display (1, 0), programDrag ({7, 42, 100})));
    EXPECT_EQ (valueAt (1, 0), 7);
    expectShows (1, 0, "008", "Prog 7");

    undoTheOneTransaction ("SetFavoriteData");
    EXPECT_EQ (valueAt (1, 0), 10);
    expectShows (1, 0, "011", "Prog 10");
}

TEST_F (FavoriteDisplayTest, AFavoriteDroppedOnAnotherSwapsThem)
{
    ASSERT_TRUE (drop (display (3, 5), favoriteDrag (1, 0), &display (1, 0)));
    EXPECT_EQ (valueAt (3, 5), 10);
    EXPECT_EQ (valueAt (1, 0), 142);
    expectShows (3, 5, "011", "Prog 10");
    expectShows (1, 0, "143", "Prog 142");

    undoTheOneTransaction ("SwapFavoriteData");
    EXPECT_EQ (valueAt (3, 5), 142);
    EXPECT_EQ (valueAt (1, 0), 10);
    expectShows (3, 5, "143", "Prog 142");
}

TEST_F (FavoriteDisplayTest, WithCtrlHeldAtTheDropTheFavoriteIsCopied)
{
    {
        HeldModifiers ctrl (juce::ModifierKeys::ctrlModifier);
        ASSERT_TRUE (drop (display (3, 5), favoriteDrag (1, 0), &display (1, 0)));
    }

    EXPECT_EQ (valueAt (3, 5), 10);
    EXPECT_EQ (valueAt (1, 0), 10);
    expectShows (3, 5, "011", "Prog 10");

    undoTheOneTransaction ("CopyFavoriteData");
    EXPECT_EQ (valueAt (3, 5), 142);
    EXPECT_EQ (valueAt (1, 0), 10);
}

TEST_F (FavoriteDisplayTest, RefusesDragsItDoesNotKnowAndChangesNothingOnThem)
{
    const var refused[]{
        favoriteDrag (2, 4),                                        // the button itself
        ui::PresetDataDragItem{"PresetDataDragItem", 0, 3}.toVar(), // from the preset window
        ui::ProgramListDragItem ("OtherListDragItem", {3}).toVar(),
        var (Vars{"FavoriteDataDragItem", 1.0, 0}),
        favoriteDrag (0, 3), // the category bank, which no button shows
        favoriteDrag (6, 0),
        favoriteDrag (1, 8),
        var ("ProgramListDragItem"),
        var(),
    };
    const auto before = library().getFavorites();
    auto& target = display (2, 4);

    for (const auto& description : refused)
    {
        const SourceDetails details (description, nullptr, {40, 30});
        EXPECT_FALSE (target.isInterestedInDragSource (details)) << juce::JSON::toString (description);

        // Even when something lets it go here regardless.
        target.itemDropped (details);
        EXPECT_EQ (library().getFavorites(), before) << juce::JSON::toString (description);
        EXPECT_FALSE (history().canUndo()) << juce::JSON::toString (description);
    }
}

TEST_F (FavoriteDisplayTest, AProgramDragWithoutAUsableRowBeginsNoTransaction)
{
    const std::vector<int> rowLists[]{{}, {300, 301}};
    const auto before = library().getFavorites();

    for (const auto& rows : rowLists)
    {
        EXPECT_TRUE (drop (display (2, 4), programDrag (rows))) << "any program drag is welcome";
        EXPECT_EQ (library().getFavorites(), before);
        EXPECT_FALSE (history().canUndo());
    }
}

TEST_F (FavoriteDisplayTest, AProgramRenamedThroughPasteShowsItsNewNameOnEveryButton)
{
    ASSERT_TRUE (drop (display (4, 7), programDrag ({10})));
    nameProgram (250, "Warm Pad");

    xTV200_application::LibraryEditProcessor editor;
    application::InMemoryProgramClipboard clipboard;
    ASSERT_TRUE (editor.copy ({250}, clipboard));
    ASSERT_TRUE (editor.paste ({10}, clipboard));
    test::deliverPendingMessages();

    expectShows (1, 0, "011", "Warm Pad");
    expectShows (4, 7, "011", "Warm Pad");
}

TEST_F (FavoriteDisplayTest, AValueOutsideTheLibraryIsShownAsItIsAndLeftAlone)
{
    library().getFavorites().setValue (2, 1, 499);
    data::DataChangeBroadcaster::getInstance()->triggerAsyncUpdate();
    test::deliverPendingMessages();

    EXPECT_EQ (display (2, 1).getNumberText(), "500");
    EXPECT_EQ (display (2, 1).getNameText(), xTV200_data::ProgramData().getName()) << "the fallback program";
    EXPECT_EQ (valueAt (2, 1), 499);
}
TEST_F (FavoriteDisplayTest, ARealMouseDragFromOneButtonToAnotherSwapsThem)
{
    if (! juce::File ("/usr/bin/xdotool").existsAsFile())
        GTEST_SKIP() << "needs xdotool to move the pointer of the display";

    container.addToDesktop (0);
    const juce::ScopeGuard leaveTheDesktop{[this] { container.removeFromDesktop(); }};
    container.setTopLeftPosition (50, 50);
    container.setVisible (true);
    ASSERT_TRUE (test::runMessageLoopUntil ([this] { return container.isShowing(); }));

    const auto from = display (1, 0).localPointToGlobal (juce::Point<int> (30, 30));
    const auto to = display (3, 5).localPointToGlobal (juce::Point<int> (30, 30));
    const auto point = [] (juce::Point<int> p) { return juce::String (p.x) + " " + juce::String (p.y); };

    // The pointer enters the button, is pressed, travels past the drag
    // threshold and on to the other button, and is let go there.
    juce::ChildProcess pointer;
    ASSERT_TRUE (pointer.start (
        "xdotool mousemove " + point (from - juce::Point<int> (40, 0)) + " sleep 0.3 mousemove " +
        point (from) + " sleep 0.3 mousedown 1 sleep 0.2 mousemove " +
        point (from + juce::Point<int> (8, 0)) + " sleep 0.2 mousemove " + point ((from + to) / 2) +
        " sleep 0.2 mousemove " + point (to) + " sleep 0.3 mouseup 1"));

    EXPECT_TRUE (test::runMessageLoopUntil ([this] { return valueAt (3, 5) == 10; }));
    EXPECT_TRUE (pointer.waitForProcessToFinish (10000));
    test::deliverPendingMessages();
    EXPECT_EQ (valueAt (1, 0), 142);
    EXPECT_EQ (history().getUndoDescription(), "SwapFavoriteData");
    expectShows (3, 5, "011", "Prog 10");
}
} // namespace
