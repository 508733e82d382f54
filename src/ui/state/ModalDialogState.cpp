#include "ui/state/ModalDialogState.h"

namespace ui
{
ModalDialogState::Guard::Guard()
{
    auto* state = ModalDialogState::getInstance();

    if (! state->isModal())
    {
        state->setModal (true);
        owned = true;
    }
}

ModalDialogState::Guard::~Guard()
{
    if (owned)
        if (auto* state = ModalDialogState::getInstanceWithoutCreating())
            state->setModal (false);
}

void ModalDialogState::setModal (bool shouldBeModal)
{
    if (modal == shouldBeModal)
        return;

    modal = shouldBeModal;
    triggerAsyncUpdate();
}

void ModalDialogState::handleAsyncUpdate()
{
    callObservers ([] (ModalDialogStateObserver& observer) { observer.modalStateChanged(); });
}
} // namespace ui
