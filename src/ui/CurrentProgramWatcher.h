#pragma once

#include "data/CurrentProgramDataObserver.h"
#include "data/DataChangeObserver.h"

#include <juce_core/juce_core.h>

#include <functional>

namespace xTV200_ui
{
/** Calls back whenever the current program or the library data changes, so
    that a component showing the current program can read it again.

    It registers with both broadcasters while it lives; the callbacks arrive
    asynchronously on the message thread.
*/
class CurrentProgramWatcher final : private xTV200_data::CurrentProgramDataObserver,
                                    private data::DataChangeObserver
{
public:
    explicit CurrentProgramWatcher (std::function<void()> onChange);
    ~CurrentProgramWatcher() override;

private:
    void currentProgramChanged() override { callback(); }
    void dataChanged() override { callback(); }

    std::function<void()> callback;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CurrentProgramWatcher)
};
} // namespace xTV200_ui
