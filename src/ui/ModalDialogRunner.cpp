#include "ui/ModalDialogRunner.h"

namespace ui
{
namespace
{
    ModalDialogRunner::Responder& currentResponder()
    {
        static ModalDialogRunner::Responder responder;
        return responder;
    }
} // namespace

ModalDialogRunner::ScopedResponder::ScopedResponder (Responder responderToUse)
    : previous (std::move (currentResponder()))
{
    currentResponder() = std::move (responderToUse);
}

ModalDialogRunner::ScopedResponder::~ScopedResponder()
{
    currentResponder() = std::move (previous);
}

int ModalDialogRunner::run (const juce::String& title, juce::Component& content)
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (auto& responder = currentResponder())
        return responder (title, content);

    juce::DialogWindow::LaunchOptions options;
    // The caller owns the content, so the window must only borrow it.
    options.content.setNonOwned (&content);
    options.dialogTitle = title;
    options.dialogBackgroundColour = juce::Colours::white;
    options.escapeKeyTriggersCloseButton = true;
    options.useNativeTitleBar = false;
    options.resizable = false;
    options.componentToCentreAround = nullptr;

   #if JUCE_MODAL_LOOPS_PERMITTED
    return options.runModal();
   #else
    jassertfalse;
    return 0;
   #endif
}

void ModalDialogRunner::finish (juce::Component& contentOrChild, int result)
{
    if (auto* window = contentOrChild.findParentComponentOfClass<juce::DialogWindow>())
        window->exitModalState (result);
}
} // namespace ui
