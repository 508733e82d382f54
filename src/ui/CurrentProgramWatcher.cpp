#include "ui/CurrentProgramWatcher.h"

#include "data/CurrentProgramData.h"
#include "data/DataChangeBroadcaster.h"

namespace xTV200_ui
{
CurrentProgramWatcher::CurrentProgramWatcher (std::function<void()> onChange)
    : callback (std::move (onChange))
{
    xTV200_data::CurrentProgramData::getInstance()->addObserver (this);
    data::DataChangeBroadcaster::getInstance()->addObserver (this);
}

CurrentProgramWatcher::~CurrentProgramWatcher()
{
    if (auto* current = xTV200_data::CurrentProgramData::getInstanceWithoutCreating())
        current->removeObserver (this);

    if (auto* broadcaster = data::DataChangeBroadcaster::getInstanceWithoutCreating())
        broadcaster->removeObserver (this);
}
} // namespace xTV200_ui
