#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace ui
{
/** What a drag of library programs carries: a name that tells the targets
    what kind of drag it is, and the dragged rows in ascending order. On the
    wire of a drag it is a var array [name, [rows...]]. */
class ProgramListDragItem
{
public:
    ProgramListDragItem() = default;
    ProgramListDragItem (const juce::String& nameToUse, std::vector<int> rowsToDrag);

    /** Decodes a drag description; anything not of the form above gives an
        invalid item with no rows. */
    explicit ProgramListDragItem (const juce::var& description);

    virtual ~ProgramListDragItem() = default;

    juce::var toVar() const;

    /** True when the description has the form above and carries this name. */
    static bool matches (const juce::var& description, const juce::String& name);

    const juce::String& getName() const noexcept { return name; }
    bool isValid() const noexcept { return valid; }
    const std::vector<int>& getRows() const noexcept { return rows; }

private:
    juce::String name;
    bool valid = false;
    std::vector<int> rows;
};
} // namespace ui
