#include "ui/state/RightPanePageModel.h"

namespace xTV200_ui
{
void RightPanePageModel::setPage (int newPage)
{
    if (newPage == page)
        return;

    page = newPage;
    triggerAsyncUpdate();
}

void RightPanePageModel::handleAsyncUpdate()
{
    callObservers ([] (RightPanePageModelObserver& observer) { observer.pageChanged(); });
}
} // namespace xTV200_ui
