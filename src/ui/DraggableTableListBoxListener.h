#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** Decides which drags a DraggableTableListBox takes and what a drop does.
    Coordinates are relative to the list box. */
class DraggableTableListBoxListener
{
public:
    virtual ~DraggableTableListBoxListener() = default;

    virtual bool isInterestedInDragSource (const juce::var& description, juce::Component* sourceComponent,
                                           int x, int y) = 0;

    /** Called while the list still knows the gap and the row under the pointer. */
    virtual void itemDropped (const juce::var& description, juce::Component* sourceComponent, int x, int y) = 0;
};
} // namespace ui
