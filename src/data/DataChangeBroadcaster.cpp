#include "data/DataChangeBroadcaster.h"

#include "app/ApplicationUndoManager.h"

namespace data
{
DataChangeBroadcaster::DataChangeBroadcaster()
{
    application::ApplicationUndoManager::getInstance()->addChangeListener (this);
}

DataChangeBroadcaster::~DataChangeBroadcaster()
{
    // At shutdown the undo manager, created before us, may already be gone.
    if (auto* undoManager = application::ApplicationUndoManager::getInstanceWithoutCreating())
        undoManager->removeChangeListener (this);
}

void DataChangeBroadcaster::handleAsyncUpdate()
{
    callObservers ([] (DataChangeObserver& observer) { observer.dataChanged(); });
}
} // namespace data
