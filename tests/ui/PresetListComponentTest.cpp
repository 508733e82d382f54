#include "app/PreferencesData.h"
#include "app/PreferencesDataChangeBroadcaster.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "file/PresetFileManager.h"
#include "support/FreshSingletons.h"
#include "support/TemporaryFolder.h"
#include "ui/NamedFonts.h"
#include "ui/PresetDataDragItem.h"
#include "ui/PresetDataItem.h"
#include "ui/PresetListComponent.h"
#include "ui/PresetRootItem.h"
#include "ui/PresetTestBundles.h"
#include "ui/state/SelectedProgramStatus.h"

#include <gtest/gtest.h>

namespace
{
using xTV200_data::CurrentProgramData;
using xTV200_ui::PresetDataItem;
using xTV200_ui::PresetListComponent;
using xTV200_ui::PresetRootItem;

/** Bundles installed into a private preset folder, then loaded into the data
    centre as start-up loads them. */
class PresetListComponentTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_ui::NamedFonts::addNamedFonts();
        xTV200_preferences::PreferencesData::getInstance()->setInt ("ProgramListHeight", 25);
        manager = std::make_unique<xTV200_file::PresetFileManager> (preferencesFolder.getChildFile ("Preset Data"));
    }

    // The manager is deleted at shutdown like every singleton, so it must go
    // before the fixture deletes those.
    void TearDown() override
    {
        manager.reset();
        FreshSingletons::TearDown();
    }

    void installAndLoad (const juce::String& dataID, const juce::String& tag)
    {
        ASSERT_TRUE (manager->installPresetFile (test::writeNamedBundle (sources.get(), dataID, tag)));
        ASSERT_EQ (manager->loadInstalledPresets(), 0);
        test::deliverPendingMessages();
    }

    static juce::TreeViewItem& root (PresetListComponent& list) { return *list.getTreeView().getRootItem(); }

    static PresetRootItem& branch (PresetListComponent& list, int index)
    {
        return dynamic_cast<PresetRootItem&> (*root (list).getSubItem (index));
    }

    static PresetDataItem& program (PresetListComponent& list, int presetIndex, int programIndex)
    {
        return dynamic_cast<PresetDataItem&> (*branch (list, presetIndex).getSubItem (programIndex));
    }

    test::TemporaryFolder sources;
    test::TemporaryFolder preferencesFolder;
    std::unique_ptr<xTV200_file::PresetFileManager> manager;
};

TEST_F (PresetListComponentTest, ShowsOneOpenBranchOfThreeHundredProgramsPerInstalledBundle)
{
    PresetListComponent list;
    EXPECT_EQ (list.getBounds(), juce::Rectangle<int> (0, 0, 250, 500));
    EXPECT_EQ (list.getTreeView().getName(), "Preset List");
    EXPECT_FALSE (list.getTreeView().isRootItemVisible());
    EXPECT_EQ (root (list).getNumSubItems(), 0) << "no bundle installed, empty tree";

    installAndLoad ("first.bundle", "A-");
    ASSERT_EQ (root (list).getNumSubItems(), 1) << "rebuilt when the presets were reloaded";

    installAndLoad ("second.bundle", "B-");
    ASSERT_EQ (root (list).getNumSubItems(), 2);

    const struct { juce::String dataID, tag; } bundles[] { { "first.bundle", "A-" }, { "second.bundle", "B-" } };
    for (int d = 0; d < 2; ++d)
    {
        auto& bundle = branch (list, d);
        EXPECT_EQ (bundle.getPresetIndex(), d);
        EXPECT_EQ (bundle.getUniqueName(), bundles[d].dataID);
        EXPECT_EQ (bundle.getDisplayText(), "Bundle " + bundles[d].dataID);
        EXPECT_TRUE (bundle.isOpen()) << "every branch shows expanded";
        ASSERT_EQ (bundle.getNumSubItems(), 300);

        for (const int i : { 0, 6, 299 })
        {
            auto& item = program (list, d, i);
            EXPECT_EQ (item.getProgramIndex(), i);
            EXPECT_EQ (item.getPresetIndex(), d);
            EXPECT_FALSE (item.mightContainSubItems());
            EXPECT_EQ (item.getUniqueName(), "Preset:" + juce::String (d) + "-" + juce::String (i));
            EXPECT_EQ (item.getDisplayText(), juce::String::formatted ("[%03d] ", i + 1) + bundles[d].tag
                                                  + juce::String::formatted ("%03d", i + 1));
        }
    }
}

TEST_F (PresetListComponentTest, SelectingAProgramMakesItCurrentAndClearsTheLibrarySelection)
{
    installAndLoad ("first.bundle", "A-");
    installAndLoad ("second.bundle", "B-");
    PresetListComponent list;

    ui::SelectedProgramStatus::getInstance()->setSelection ({ 4 });
    auto* current = CurrentProgramData::getInstance();
    current->selectLibraryPrograms ({ 4 });
    ASSERT_EQ (current->getMode(), CurrentProgramData::libraryProgram);

    program (list, 1, 299).setSelected (true, true);

    EXPECT_EQ (current->getMode(), CurrentProgramData::presetProgram);
    EXPECT_EQ (current->getPresetIndex(), 1);
    EXPECT_EQ (current->getProgramIndex(), 299);
    EXPECT_EQ (current->getProgram().getName(), "B-300");
    EXPECT_TRUE (ui::SelectedProgramStatus::getInstance()->getSelection().empty());

    program (list, 1, 299).setSelected (false, true);
    EXPECT_EQ (current->getProgramIndex(), 299) << "deselecting changes nothing";
}

TEST_F (PresetListComponentTest, AClickOnAProgramRowMakesThatProgramCurrent)
{
    installAndLoad ("first.bundle", "A-");
    PresetListComponent list;
    list.setVisible (true);
    test::deliverPendingMessages(); // the tree lays its rows out asynchronously

    // Row 0 is the bundle, row 3 its third program.
    const juce::Point<int> inList (120, 3 * 25 + 12);
    auto* target = list.getTreeView().getViewport()->getViewedComponent();
    ASSERT_NE (target, nullptr);
    const auto inTarget = target->getLocalPoint (&list, inList).toFloat();
    const auto now = juce::Time::getCurrentTime();
    const juce::MouseEvent click (juce::Desktop::getInstance().getMainMouseSource(), inTarget, juce::ModifierKeys(),
                                  juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f, target, target, now,
                                  inTarget, now, 1, false);
    target->mouseDown (click);
    target->mouseUp (click);

    EXPECT_TRUE (program (list, 0, 2).isSelected());
    EXPECT_EQ (CurrentProgramData::getInstance()->getMode(), CurrentProgramData::presetProgram);
    EXPECT_EQ (CurrentProgramData::getInstance()->getPresetIndex(), 0);
    EXPECT_EQ (CurrentProgramData::getInstance()->getProgramIndex(), 2);
}

TEST_F (PresetListComponentTest, AProgramDragsAsPresetDataDragItem)
{
    installAndLoad ("first.bundle", "A-");
    installAndLoad ("second.bundle", "B-");
    PresetListComponent list;

    const auto description = program (list, 1, 0).getDragSourceDescription();
    const auto decoded = ui::PresetDataDragItem::decode (description, "PresetDataDragItem");
    ASSERT_TRUE (decoded.has_value());
    EXPECT_EQ (decoded->presetIndex, 1);
    EXPECT_EQ (decoded->programIndex, 0);
    EXPECT_FALSE (ui::PresetDataDragItem::decode (description, "ProgramListDragItem").has_value());
    EXPECT_TRUE (branch (list, 1).getDragSourceDescription().isVoid()) << "a whole bundle is not dragged";
}

TEST_F (PresetListComponentTest, APreferencesChangeRebuildsWithTheNewRowHeightAndNoSelection)
{
    installAndLoad ("first.bundle", "A-");
    PresetListComponent list;
    program (list, 0, 10).setSelected (true, true);
    branch (list, 0).setOpen (false);
    EXPECT_EQ (program (list, 0, 10).getItemHeight(), 25);

    xTV200_preferences::PreferencesData::getInstance()->setInt ("ProgramListHeight", 40);
    application::PreferencesDataChangeBroadcaster::getInstance()->triggerAsyncUpdate();
    test::deliverPendingMessages();

    EXPECT_EQ (list.getTreeView().getNumSelectedItems(), 0);
    EXPECT_TRUE (branch (list, 0).isOpen());
    EXPECT_EQ (branch (list, 0).getItemHeight(), 40);
    EXPECT_EQ (program (list, 0, 10).getItemHeight(), 40);
    EXPECT_EQ (CurrentProgramData::getInstance()->getProgramIndex(), 10) << "the current program stays";
}

TEST_F (PresetListComponentTest, PaintsOnlyTheSelectedProgramRowDarkRed)
{
    installAndLoad ("first.bundle", "A-");
    PresetListComponent list;
    list.getTreeView().getViewport()->setScrollBarsShown (false, false);
    branch (list, 0).setSelected (true, true);
    program (list, 0, 1).setSelected (true, false);
    test::deliverPendingMessages(); // the tree lays its rows out asynchronously

    const auto image = list.createComponentSnapshot (list.getLocalBounds());
    const int x = 240;
    const auto rowCentre = [] (int row) { return row * 25 + 12; };

    EXPECT_EQ (image.getPixelAt (x, rowCentre (0)).getARGB(), 0xff000000) << "a bundle shows no selection";
    EXPECT_EQ (image.getPixelAt (x, rowCentre (1)).getARGB(), 0xff000000);
    EXPECT_EQ (image.getPixelAt (x, rowCentre (2)).getARGB(), PresetDataItem::selectedRowColour);
    EXPECT_EQ (image.getPixelAt (x, rowCentre (3)).getARGB(), 0xff000000);
}
} // namespace
