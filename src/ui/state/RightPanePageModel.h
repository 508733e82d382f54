#pragma once

#include "base/ListenerHolder.h"
#include "base/Singleton.h"
#include "ui/state/RightPanePageModelObserver.h"

#include <juce_events/juce_events.h>

namespace xTV200_ui
{
/** Which page the right pane shows. Only the header's mode buttons change it,
    and it is not kept between runs: every run starts on the favourites. */
class RightPanePageModel final : public Singleton<RightPanePageModel>,
                                 public ListenerHolder<RightPanePageModelObserver>,
                                 private juce::AsyncUpdater,
                                 private juce::DeletedAtShutdown
{
public:
    enum Page : int
    {
        favoritesPage = 0,
        webPage = 1,
        informationPage = 2
    };

    RightPanePageModel() = default;

    int getPage() const noexcept { return page; }

    /** Stores a different page and notifies the observers asynchronously. */
    void setPage (int newPage);

private:
    void handleAsyncUpdate() override;

    int page = favoritesPage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RightPanePageModel)
};
} // namespace xTV200_ui
