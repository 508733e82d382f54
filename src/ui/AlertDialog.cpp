#include "ui/AlertDialog.h"

#include "ui/AlertDialogComponent.h"
#include "ui/ModalDialogRunner.h"
#include "ui/state/ModalDialogState.h"

namespace ui
{
void AlertDialog::showMessage (const juce::String& title, const juce::String& message)
{
    show (0, title, message);
}

bool AlertDialog::showOkCancel (const juce::String& title, const juce::String& message)
{
    return show (1, title, message) == 1;
}

int AlertDialog::showYesNoCancel (const juce::String& title, const juce::String& message)
{
    return show (2, title, message);
}

int AlertDialog::show (int kind, const juce::String& title, const juce::String& message)
{
    ModalDialogState::Guard guard;
    if (guard.isBusy())
        return 0;

    AlertDialogComponent content (kind, message);
    return ModalDialogRunner::run (title, content);
}
} // namespace ui
