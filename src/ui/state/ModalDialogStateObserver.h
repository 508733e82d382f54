#pragma once

namespace ui
{
/** Told on the message thread that a modal dialog opened or closed. */
class ModalDialogStateObserver
{
public:
    virtual ~ModalDialogStateObserver() = default;
    virtual void modalStateChanged() = 0;
};
} // namespace ui
