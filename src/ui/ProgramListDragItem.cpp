#include "ui/ProgramListDragItem.h"

namespace ui
{
namespace
{
bool hasDragItemForm (const juce::var& description)
{
    const auto* elements = description.getArray();
    return elements != nullptr && elements->size() >= 2 && (*elements)[0].isString()
           && (*elements)[1].isArray();
}
} // namespace

ProgramListDragItem::ProgramListDragItem (const juce::String& nameToUse, std::vector<int> rowsToDrag)
    : name (nameToUse), valid (true), rows (std::move (rowsToDrag))
{
}

ProgramListDragItem::ProgramListDragItem (const juce::var& description)
{
    if (! hasDragItemForm (description))
        return;

    name = description[0].toString();
    valid = true;

    for (const auto& row : *description[1].getArray())
        rows.push_back (static_cast<int> (row));
}

juce::var ProgramListDragItem::toVar() const
{
    juce::Array<juce::var> rowValues;

    for (auto row : rows)
        rowValues.add (row);

    return juce::Array<juce::var> { name, rowValues };
}

bool ProgramListDragItem::matches (const juce::var& description, const juce::String& nameToMatch)
{
    return hasDragItemForm (description) && description[0].toString() == nameToMatch;
}
} // namespace ui
