#pragma once

namespace ui
{
/** Told on the message thread that the selection of library slots changed. */
class SelectedProgramStatusObserver
{
public:
    virtual ~SelectedProgramStatusObserver() = default;
    virtual void selectionChanged() = 0;
};
} // namespace ui
