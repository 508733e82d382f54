#pragma once

#include "app/ApplicationUndoManager.h"
#include "app/StartupSingletons.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "support/FreshSingletons.h"
#include "ui/LeftPaneComponent.h"
#include "ui/NamedFonts.h"
#include "ui/ProgramListDragItem.h"
#include "ui/state/SelectedProgramStatus.h"

#include <functional>

namespace test
{
class CountingTransmitter final : public xTV200_data::CurrentProgramTransmitter
{
public:
    void transmit (const xTV200_data::ProgramData& program) override { names.add (program.getName().trim()); }

    juce::StringArray names;
};

inline void nameProgram (xTV200_data::ProgramData& program, const juce::String& name)
{
    for (int i = 0; i < xTV200_data::ProgramData::nameLength; ++i)
        program.setByte (i, static_cast<juce::uint8> (i < name.length() ? name[i] : ' '));
}

/** The left pane on the data centre's library, whose program i is named
    "P<i>", with the first program selected as at start-up. */
class ProgramListFixture : public FreshSingletons
{
protected:
    using Rows = std::vector<int>;

    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_application::StartupSingletons::createInStartupOrder (createMenuLayer);
        xTV200_ui::NamedFonts::addNamedFonts();

        for (int i = 0; i < xTV200_data::LibraryData::numPrograms; ++i)
            nameProgram (library().getProgram (i), "P" + juce::String (i));

        xTV200_data::CurrentProgramData::getInstance()->setTransmitter (&transmitter);
        pane = std::make_unique<xTV200_ui::LeftPaneComponent>();
        pane->setSize (330, 580);
    }

    void TearDown() override
    {
        juce::ModifierKeys::currentModifiers = {};
        pane.reset();
        xTV200_data::CurrentProgramData::getInstance()->setTransmitter (nullptr);
        FreshSingletons::TearDown();
    }

    static xTV200_data::LibraryData& library() { return xTV200_data::DataCenter::getInstance()->getLibrary(); }
    static juce::UndoManager& undoHistory() { return *application::ApplicationUndoManager::getInstance(); }
    static const Rows& status() { return ui::SelectedProgramStatus::getInstance()->getSelection(); }

    ui::DraggableTableListBox& list() { return pane->getProgramList().getList(); }

    juce::String nameAt (int slot) const { return library().getProgram (slot).getName().trim(); }

    Rows selectedRows()
    {
        Rows rows;
        const auto selection = list().getSelectedRows();
        for (int i = 0; i < selection.size(); ++i)
            rows.push_back (selection[i]);
        return rows;
    }

    /** A point inside the row, in the upper or lower half, as the drop sees it. */
    juce::Point<int> pointInRow (int row, bool lowerHalf)
    {
        list().scrollToEnsureRowIsOnscreen (row);
        const auto bounds = list().getRowPosition (row, true);
        return {bounds.getCentreX(), bounds.getY() + bounds.getHeight() * (lowerHalf ? 3 : 1) / 4};
    }

    /** Drives a drag over the list and a drop, as the framework's drag container does. */
    bool drop (const juce::var& description, juce::Point<int> position)
    {
        const juce::DragAndDropTarget::SourceDetails details (description, &list(), position);

        if (! list().isInterestedInDragSource (details))
            return false;

        list().itemDragEnter (details);
        list().itemDragMove (details);
        list().itemDropped (details);
        return true;
    }

    juce::var programDrag (Rows rows) { return ui::ProgramListDragItem ("ProgramListDragItem", rows).toVar(); }

    void select (const Rows& rows)
    {
        list().deselectAllRows();
        for (auto row : rows)
            list().selectRow (row, true, false);
    }

    /** Creates the menu and command objects in their start-up place, when set. */
    std::function<void()> createMenuLayer;
    CountingTransmitter transmitter;
    std::unique_ptr<xTV200_ui::LeftPaneComponent> pane;
};
} // namespace test
