#pragma once

#include <map>
#include <vector>

namespace ui
{
/** The edits a program table makes. Each edit returns false when it was
    refused and changed nothing. */
class ProgramListControllerInterface
{
public:
    virtual ~ProgramListControllerInterface() = default;

    /** The table's selection changed; the new one is in SelectedProgramStatus. */
    virtual void selectionChanged() = 0;

    /** Reorders the rows: newOrder[i] is the row that is to stand at i. */
    virtual bool dragInsert (const std::vector<int>& newOrder, int insertIndex) = 0;

    /** Copies rows over others (target row to source row). */
    virtual bool dragCopy (const std::map<int, int>& targetToSource, int targetRow) = 0;

    /** Copies program programIndex of preset presetIndex into the row. */
    virtual bool dropPreset (int row, int presetIndex, int programIndex) = 0;
};
} // namespace ui
