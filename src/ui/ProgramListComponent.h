#pragma once

#include "data/DataChangeObserver.h"
#include "ui/DraggableTableListBox.h"
#include "ui/ProgramListControllerInterface.h"
#include "ui/ProgramListViewInterface.h"
#include "ui/state/SelectedProgramStatusObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The table of the library's program slots. Its selection is the shared
    SelectedProgramStatus in both directions; a drag of rows dropped on a gap
    moves them there, dropped with Ctrl held on a row copies them over the rows
    from there on, and a preset program dropped on a row replaces that row.
    What is shown comes from the view and what is changed goes through the
    controller; neither is owned.
*/
class ProgramListComponent final : public juce::Component,
                                   public juce::TableListBoxModel,
                                   public data::DataChangeObserver,
                                   public ui::DraggableTableListBoxListener,
                                   public juce::DragAndDropContainer,
                                   public ui::SelectedProgramStatusObserver
{
public:
    ProgramListComponent (ui::ProgramListViewInterface& view, ui::ProgramListControllerInterface& controller);
    ~ProgramListComponent() override;

    /** The names the two kinds of drag this list takes carry. */
    void setDragNames (const juce::String& programDragName, const juce::String& presetDragName);
    void setMarkerColours (juce::Colour insertMarker, juce::Colour copyTarget);

    /** At least 1. */
    void setRowHeight (int height);

    /** Reads the shown data again and repaints. */
    void refresh();

    ui::DraggableTableListBox& getList() noexcept { return list; }
    int getDropKind() const noexcept { return dropKind; }

    void resized() override;

    int getNumRows() override;
    void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected,
                                              juce::Component* existingComponent) override;
    void selectedRowsChanged (int lastRowSelected) override;
    juce::var getDragSourceDescription (const juce::SparseSet<int>& selectedRows) override;

    void dataChanged() override { refresh(); }
    void selectionChanged() override;

    bool isInterestedInDragSource (const juce::var& description, juce::Component* source, int x, int y) override;
    void itemDropped (const juce::var& description, juce::Component* source, int x, int y) override;

    /** Whether a drop now copies rather than moves: Ctrl is held. */
    static bool isCopyModifierDown();

private:
    bool shouldDropFilesWhenDraggedExternally (const juce::DragAndDropTarget::SourceDetails&, juce::StringArray&,
                                               bool&) override
    {
        return false;
    }

    void paintDragMarker (juce::Graphics& g, int row, int width, int height);
    void moveRows (const std::vector<int>& rows, int insertIndex);
    void copyRows (const std::vector<int>& rows, int targetRow);
    void selectRows (const std::vector<int>& rows, juce::NotificationType notification);
    std::vector<int> getSelectedRowList() const;
    std::vector<int> toRowList (const juce::SparseSet<int>& selection) const;

    ui::ProgramListViewInterface& view;
    ui::ProgramListControllerInterface& controller;
    juce::Colour insertMarkerColour{0xff730303};
    juce::Colour copyTargetColour{0xdd430303};
    juce::String programDragName{"ProgramListDrag"};
    juce::String presetDragName{"PresetDataDrag"};
    int dropKind = 0;
    ui::DraggableTableListBox list;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramListComponent)
};
} // namespace xTV200_ui
