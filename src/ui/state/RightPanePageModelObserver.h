#pragma once

namespace xTV200_ui
{
class RightPanePageModelObserver
{
public:
    /** The right pane's page changed; called on the message thread. */
    virtual void pageChanged() = 0;
    virtual ~RightPanePageModelObserver() = default;
};
} // namespace xTV200_ui
