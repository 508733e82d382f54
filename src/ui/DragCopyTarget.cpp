#include "ui/DragCopyTarget.h"

namespace ui
{
DragCopyTarget::DragCopyTarget (int rows, const std::vector<int>& draggedRows, int targetRow) : numRows (rows)
{
    std::vector<int> sources;
    for (auto row : draggedRows)
        if (juce::isPositiveAndBelow (row, numRows))
            sources.push_back (row);

    auto target = juce::jmax (0, juce::jmin (targetRow, numRows - static_cast<int> (sources.size())));

    for (auto source : sources)
        pairs[target++] = source;
}

std::vector<int> DragCopyTarget::getTargetRows() const
{
    std::vector<int> targets;
    for (const auto& pair : pairs)
        targets.push_back (pair.first);
    return targets;
}
} // namespace ui
