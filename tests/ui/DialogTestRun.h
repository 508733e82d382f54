#pragma once

#include "ui/ModalDialogRunner.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace test
{
/** The result a dialog gets when the action left its window open. */
inline constexpr int dialogLeftOpen = -1;

/** Shows the content in the real modal window and runs action once the loop
    runs; when the window is still open after that, it is closed with
    dialogLeftOpen so that a broken button fails the test instead of hanging it. */
inline int runDialogAndThen (juce::Component& content, std::function<void (juce::Component&)> action)
{
    juce::MessageManager::callAsync ([&content, action] {
        action (content);
        juce::MessageManager::callAsync ([&content] {
            if (auto* window = content.findParentComponentOfClass<juce::DialogWindow>();
                window != nullptr && window->isCurrentlyModal())
                window->exitModalState (dialogLeftOpen);
        });
    });
    return ui::ModalDialogRunner::run ("Dialog", content);
}

template <typename ComponentType>
ComponentType& childNamed (juce::Component& parent, const juce::String& name)
{
    for (auto* c : parent.getChildren())
        if (auto* typed = dynamic_cast<ComponentType*> (c); typed != nullptr && c->getName() == name)
            return *typed;
    throw std::runtime_error ("no child " + name.toStdString());
}
} // namespace test
