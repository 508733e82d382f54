#include "ui/ProgramListComponent.h"

#include "data/DataChangeBroadcaster.h"
#include "ui/DragCopyTarget.h"
#include "ui/DragInsertOrder.h"
#include "ui/PresetDataDragItem.h"
#include "ui/ProgramListDragItem.h"
#include "ui/state/SelectedProgramStatus.h"

namespace xTV200_ui
{
namespace
{
enum DropKinds
{
    noDrop = 0,
    programDrop = 1,
    presetDrop = 2
};
} // namespace

ProgramListComponent::ProgramListComponent (ui::ProgramListViewInterface& viewToUse,
                                            ui::ProgramListControllerInterface& controllerToUse)
    : view (viewToUse), controller (controllerToUse)
{
    list.setModel (this);
    list.setListener (this);
    list.setName ("ProgramList");
    addAndMakeVisible (list);

    auto& header = list.getHeader();
    for (int columnId = 1; columnId <= view.getNumColumns(); ++columnId)
        header.addColumn (view.getColumnName (columnId), columnId, view.getColumnWidth (columnId),
                          view.getColumnMinimumWidth (columnId), -1, view.getColumnPropertyFlags (columnId));
    header.setPopupMenuActive (false);
    list.setMultipleSelectionEnabled (true);

    setSize (600, 400);

    list.updateContent();
    selectRows (ui::SelectedProgramStatus::getInstance()->getSelection(), juce::dontSendNotification);

    data::DataChangeBroadcaster::getInstance()->addObserver (this);
    ui::SelectedProgramStatus::getInstance()->addObserver (this);
}

ProgramListComponent::~ProgramListComponent()
{
    if (auto* status = ui::SelectedProgramStatus::getInstanceWithoutCreating())
        status->removeObserver (this);
    if (auto* broadcaster = data::DataChangeBroadcaster::getInstanceWithoutCreating())
        broadcaster->removeObserver (this);

    list.setModel (nullptr);
}

void ProgramListComponent::setDragNames (const juce::String& programName, const juce::String& presetName)
{
    programDragName = programName;
    presetDragName = presetName;
}

void ProgramListComponent::setMarkerColours (juce::Colour insertMarker, juce::Colour copyTarget)
{
    insertMarkerColour = insertMarker;
    copyTargetColour = copyTarget;
    list.repaint();
}

void ProgramListComponent::setRowHeight (int height)
{
    list.setRowHeight (juce::jmax (1, height));
}

void ProgramListComponent::refresh()
{
    list.updateContent();
    list.repaint();
}

void ProgramListComponent::resized()
{
    list.setBounds (getLocalBounds());
}

int ProgramListComponent::getNumRows()
{
    return view.getNumRows();
}

void ProgramListComponent::paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected)
{
    view.paintRowBackground (g, row, width, height, selected);

    if (list.isDragOver())
        paintDragMarker (g, row, width, height);
}

void ProgramListComponent::paintDragMarker (juce::Graphics& g, int row, int width, int height)
{
    if (dropKind == presetDrop || isCopyModifierDown())
    {
        if (row == list.getTargetRow())
            g.fillAll (copyTargetColour);
        return;
    }

    const auto numRows = getNumRows();
    const auto insertIndex = list.getInsertIndex();

    if (insertIndex < 0 || row != juce::jmin (insertIndex, numRows - 1))
        return;

    g.setColour (insertMarkerColour);
    g.fillRect (0, insertIndex < numRows ? 0 : height - 2, width, 2);
}

void ProgramListComponent::paintCell (juce::Graphics& g, int row, int columnId, int width, int height,
                                      bool selected)
{
    view.paintCell (g, row, columnId, width, height, selected);
}

juce::Component* ProgramListComponent::refreshComponentForCell (int row, int columnId, bool selected,
                                                                juce::Component* existingComponent)
{
    return view.refreshComponentForCell (row, columnId, selected, existingComponent);
}

void ProgramListComponent::selectedRowsChanged (int)
{
    ui::SelectedProgramStatus::getInstance()->setSelection (getSelectedRowList());
    controller.selectionChanged();
}

juce::var ProgramListComponent::getDragSourceDescription (const juce::SparseSet<int>& selectedRows)
{
    return ui::ProgramListDragItem (programDragName, toRowList (selectedRows)).toVar();
}

void ProgramListComponent::selectionChanged()
{
    selectRows (ui::SelectedProgramStatus::getInstance()->getSelection(), juce::dontSendNotification);
}

bool ProgramListComponent::isInterestedInDragSource (const juce::var& description, juce::Component*, int, int)
{
    if (ui::ProgramListDragItem::matches (description, programDragName))
        dropKind = programDrop;
    else if (ui::PresetDataDragItem::decode (description, presetDragName).has_value())
        dropKind = presetDrop;
    else
        return false;

    return true;
}

void ProgramListComponent::itemDropped (const juce::var& description, juce::Component*, int, int)
{
    if (const auto preset = ui::PresetDataDragItem::decode (description, presetDragName))
    {
        if (list.getTargetRow() >= 0)
            controller.dropPreset (list.getTargetRow(), preset->presetIndex, preset->programIndex);
        return;
    }

    if (! ui::ProgramListDragItem::matches (description, programDragName))
        return;

    const ui::ProgramListDragItem item (description);

    if (! item.isValid() || item.getRows().empty())
        return;

    if (isCopyModifierDown())
    {
        if (list.getTargetRow() >= 0)
            copyRows (item.getRows(), list.getTargetRow());
    }
    else if (list.getInsertIndex() >= 0)
    {
        moveRows (item.getRows(), list.getInsertIndex());
    }
}

bool ProgramListComponent::isCopyModifierDown()
{
    return juce::ModifierKeys::currentModifiers.isCommandDown();
}

void ProgramListComponent::moveRows (const std::vector<int>& rows, int insertIndex)
{
    const auto currentOrder = ui::DragInsertOrder::makeIdentityOrder (getNumRows());
    const ui::DragInsertOrder order (currentOrder, rows, insertIndex);

    if (controller.dragInsert (order.getNewOrder(), insertIndex))
        selectRows (order.getMovedPositions(), juce::sendNotification);
}

void ProgramListComponent::copyRows (const std::vector<int>& rows, int targetRow)
{
    const ui::DragCopyTarget target (getNumRows(), rows, targetRow);

    if (controller.dragCopy (target.getPairs(), targetRow))
        selectRows (target.getTargetRows(), juce::sendNotification);
}

void ProgramListComponent::selectRows (const std::vector<int>& rows, juce::NotificationType notification)
{
    juce::SparseSet<int> selection;
    for (auto row : rows)
        selection.addRange ({row, row + 1});

    list.setSelectedRows (selection, notification);
}

std::vector<int> ProgramListComponent::getSelectedRowList() const
{
    return toRowList (list.getSelectedRows());
}

std::vector<int> ProgramListComponent::toRowList (const juce::SparseSet<int>& selection) const
{
    std::vector<int> rows;

    for (int i = 0; i < selection.size(); ++i)
        if (juce::isPositiveAndBelow (selection[i], view.getNumRows()))
            rows.push_back (selection[i]);

    return rows;
}
} // namespace xTV200_ui
