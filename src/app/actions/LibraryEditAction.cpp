#include "app/actions/LibraryEditAction.h"

#include "app/DataEditStatus.h"

namespace xTV200_action
{
void LibraryEditAction::markModified()
{
    auto* status = application::DataEditStatus::getInstance();
    wasModified = status->isModified();
    savedStateWhenPerformed = status->getSavedStateId();
    status->setModified();
}

void LibraryEditAction::restoreModifiedState()
{
    auto* status = application::DataEditStatus::getInstance();

    if (! wasModified && status->getSavedStateId() == savedStateWhenPerformed)
        status->clearModified();
    else
        status->setModified();
}
} // namespace xTV200_action
