#include "ui/state/SelectedProgramStatus.h"

#include <algorithm>

namespace ui
{
void SelectedProgramStatus::setSelection (std::vector<int> slots)
{
    std::sort (slots.begin(), slots.end());
    slots.erase (std::unique (slots.begin(), slots.end()), slots.end());
    selection = std::move (slots);
    triggerAsyncUpdate();
}

void SelectedProgramStatus::handleAsyncUpdate()
{
    callObservers ([] (SelectedProgramStatusObserver& observer) { observer.selectionChanged(); });
}
} // namespace ui
