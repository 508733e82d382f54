#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace ui
{
/** The order of the rows after a block of dragged rows has been moved to a gap.

    The dragged rows keep their order among themselves and land together at
    the gap, counted among the rows that were not dragged. Dragged rows that
    are not in the current order are ignored.
*/
class DragInsertOrder
{
public:
    /** currentOrder must outlive this object; draggedRows are ascending;
        insertIndex is the gap in currentOrder before which the block goes. */
    DragInsertOrder (const std::vector<int>& currentOrder, const std::vector<int>& draggedRows, int insertIndex);
    virtual ~DragInsertOrder() = default;

    /** newOrder[i] is the row that is to stand at position i. */
    const std::vector<int>& getNewOrder() const noexcept { return newOrder; }

    /** Where each moved row ends up, in the order of the dragged rows. */
    const std::vector<int>& getMovedPositions() const noexcept { return movedPositions; }

    /** The identity order 0 ... numRows - 1. */
    static std::vector<int> makeIdentityOrder (int numRows);

private:
    const std::vector<int>* currentOrder;
    std::vector<int> newOrder;
    std::vector<int> movedPositions;

    JUCE_DECLARE_NON_COPYABLE (DragInsertOrder)
};
} // namespace ui
