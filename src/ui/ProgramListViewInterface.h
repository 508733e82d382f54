#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
/** What a program table shows: its rows, its columns and how each is drawn.
    Column IDs run from 1 to getNumColumns(). */
class ProgramListViewInterface
{
public:
    virtual ~ProgramListViewInterface() = default;

    virtual int getNumRows() = 0;
    virtual int getNumColumns() = 0;
    virtual juce::String getColumnName (int columnId) = 0;
    virtual int getColumnWidth (int columnId) = 0;
    virtual int getColumnMinimumWidth (int columnId) = 0;
    virtual int getColumnPropertyFlags (int columnId) = 0;

    virtual void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) = 0;
    virtual void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) = 0;

    /** As the framework's table model: returns the component for the cell
        (reusing or deleting existingComponent), or null for none. */
    virtual juce::Component* refreshComponentForCell (int row, int columnId, bool selected,
                                                      juce::Component* existingComponent) = 0;
};
} // namespace ui
