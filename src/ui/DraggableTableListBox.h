#pragma once

#include "ui/DraggableTableListBoxListener.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** A table that is also a drop target: while a drag hovers over it, it knows
    the gap between rows nearest to the pointer (where an inserted block would
    go) and the row under the pointer, and it scrolls by itself when the
    pointer nears its top or bottom edge. What is accepted and what a drop
    does is left to the listener.
*/
class DraggableTableListBox final : public juce::TableListBox,
                                    public juce::DragAndDropTarget,
                                    private juce::Timer
{
public:
    static constexpr int timerIntervalMilliseconds = 100;

    DraggableTableListBox();
    ~DraggableTableListBox() override;

    void setListener (DraggableTableListBoxListener* newListener) noexcept { listener = newListener; }

    bool isDragOver() const noexcept { return dragOver; }

    /** The gap before which an inserted block would go (0 to the number of
        rows), or -1 when there is none. */
    int getInsertIndex() const noexcept { return insertIndex; }

    /** The row under the pointer, or -1. */
    int getTargetRow() const noexcept { return targetRow; }

    double getScrollSpeed() const noexcept { return scrollSpeed; }

    /** The automatic scrolling step, a signed fraction of the scroll range per
        timer tick, for a pointer at y in a list of the given height whose rows
        start below a header of headerHeight. */
    static double computeScrollSpeed (int y, int headerHeight, int rowHeight, int listHeight) noexcept;

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragMove (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

    /** The picture of the dragged rows hangs below the pointer, so that the
        drop marker at the gap under the pointer stays in sight. */
    juce::ScaledImage createSnapshotOfRows (const juce::SparseSet<int>& rows, int& imageX, int& imageY) override;

private:
    void timerCallback() override;
    void resetDragState();

    DraggableTableListBoxListener* listener = nullptr;
    bool dragOver = false;
    int insertIndex = -1;
    int targetRow = -1;
    double scrollSpeed = 0.0;
    juce::ModifierKeys modifiersShown;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DraggableTableListBox)
};
} // namespace ui
