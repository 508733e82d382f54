#pragma once

#include <juce_core/juce_core.h>

#include <map>
#include <vector>

namespace ui
{
/** Which row copies which when a block of rows is dropped onto a row.

    The block starts at the target row but is shifted up so that it always
    ends at or before the last row; source rows outside the list are skipped.
*/
class DragCopyTarget
{
public:
    /** draggedRows are ascending; targetRow is the row the block is dropped on. */
    DragCopyTarget (int numRows, const std::vector<int>& draggedRows, int targetRow);
    virtual ~DragCopyTarget() = default;

    /** Target row to source row, ascending by target. */
    const std::map<int, int>& getPairs() const noexcept { return pairs; }

    /** The target rows, ascending. */
    std::vector<int> getTargetRows() const;

private:
    int numRows;
    std::map<int, int> pairs;

    JUCE_DECLARE_NON_COPYABLE (DragCopyTarget)
};
} // namespace ui
