#include "ui/DragInsertOrder.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace ui
{
DragInsertOrder::DragInsertOrder (const std::vector<int>& order, const std::vector<int>& draggedRows,
                                  int insertIndex)
    : currentOrder (&order)
{
    std::vector<int> remaining, moved;
    std::set<int> pending (draggedRows.begin(), draggedRows.end()), taken;
    int gap = insertIndex;
    int kept = 0;

    for (auto row : *currentOrder)
    {
        if (pending.erase (row) == 0)
        {
            remaining.push_back (row);
            ++kept;
            continue;
        }

        taken.insert (row);

        // A dragged row before the gap no longer counts towards it.
        if (kept < gap)
            --gap;
    }

    for (auto row : draggedRows)
        if (taken.erase (row) != 0)
            moved.push_back (row);

    gap = juce::jlimit (0, static_cast<int> (remaining.size()), gap);
    const auto split = remaining.begin() + gap;

    newOrder.assign (remaining.begin(), split);
    for (auto row : moved)
    {
        movedPositions.push_back (static_cast<int> (newOrder.size()));
        newOrder.push_back (row);
    }
    newOrder.insert (newOrder.end(), split, remaining.end());
}

std::vector<int> DragInsertOrder::makeIdentityOrder (int numRows)
{
    std::vector<int> order ((size_t) juce::jmax (0, numRows));
    std::iota (order.begin(), order.end(), 0);
    return order;
}
} // namespace ui
