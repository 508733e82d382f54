#include "app/DataEditStatus.h"

namespace application
{
void DataEditStatus::setModified()
{
    if (modified)
        return;

    modified = true;
    triggerAsyncUpdate();
}

void DataEditStatus::clearModified()
{
    // A new saved state begins even when the library was already clean: a
    // save after undoing back to a clean state is a new point to return to.
    ++savedStateId;

    if (! modified)
        return;

    modified = false;
    triggerAsyncUpdate();
}

void DataEditStatus::handleAsyncUpdate()
{
    const bool current = modified;
    callObservers ([current] (DataEditStatusListener& listener) { listener.dataEditStatusChanged (current); });
}
} // namespace application
