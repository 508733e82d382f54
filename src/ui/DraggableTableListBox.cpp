#include "ui/DraggableTableListBox.h"

namespace ui
{
DraggableTableListBox::DraggableTableListBox() : juce::TableListBox ({}, nullptr)
{
    startTimer (timerIntervalMilliseconds);
}

DraggableTableListBox::~DraggableTableListBox()
{
    stopTimer();
}

double DraggableTableListBox::computeScrollSpeed (int y, int headerHeight, int rowHeight, int listHeight) noexcept
{
    const auto half = rowHeight / 2;
    const auto square = [] (int value) { return static_cast<double> (value) * static_cast<double> (value); };

    if (y < headerHeight)
        return -square (half) / 3600.0;
    if (y < headerHeight + half)
        return -square (headerHeight + half - y) / 3600.0;
    if (y > listHeight - half)
        return square (y - (listHeight - half) + 1) / 3600.0;
    return 0.0;
}

bool DraggableTableListBox::isInterestedInDragSource (const SourceDetails& details)
{
    return listener != nullptr
           && listener->isInterestedInDragSource (details.description, details.sourceComponent.get(),
                                                  details.localPosition.x, details.localPosition.y);
}

void DraggableTableListBox::itemDragEnter (const SourceDetails& details)
{
    dragOver = true;
    itemDragMove (details);
}

void DraggableTableListBox::itemDragMove (const SourceDetails& details)
{
    const auto position = details.localPosition;
    scrollSpeed = computeScrollSpeed (position.y, getHeaderHeight(), getRowHeight(), getHeight());
    modifiersShown = juce::ModifierKeys::currentModifiers;
    insertIndex = getInsertionIndexForPosition (position.x, position.y);
    targetRow = getRowContainingPosition (position.x, position.y);
    repaint();
}

void DraggableTableListBox::itemDragExit (const SourceDetails&)
{
    resetDragState();
}

void DraggableTableListBox::itemDropped (const SourceDetails& details)
{
    if (listener != nullptr)
        listener->itemDropped (details.description, details.sourceComponent.get(), details.localPosition.x,
                               details.localPosition.y);
    resetDragState();
}

void DraggableTableListBox::resetDragState()
{
    insertIndex = -1;
    targetRow = -1;
    scrollSpeed = 0.0;
    dragOver = false;
    repaint();
}

void DraggableTableListBox::timerCallback()
{
    if (! dragOver)
        return;

    // A modifier pressed or released while the pointer rests can change what
    // a drop would do, and so the markers the rows draw.
    if (juce::ModifierKeys::currentModifiers != modifiersShown)
    {
        modifiersShown = juce::ModifierKeys::currentModifiers;
        repaint();
    }

    if (scrollSpeed == 0.0)
        return;

    // The framework limits the far end itself.
    setVerticalPosition (juce::jmax (0.0, getVerticalPosition() + scrollSpeed));
}

juce::ScaledImage DraggableTableListBox::createSnapshotOfRows (const juce::SparseSet<int>& rows, int& imageX,
                                                              int& imageY)
{
    auto snapshot = juce::TableListBox::createSnapshotOfRows (rows, imageX, imageY);
    imageY = getMouseXYRelative().y + getRowHeight() / 2;
    return snapshot;
}
} // namespace ui
