#include "support/FreshSingletons.h"
#include "ui/AlertDialog.h"
#include "ui/AlertDialogComponent.h"
#include "ui/ModalDialogRunner.h"
#include "ui/state/ModalDialogState.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
using AlertDialogTest = test::FreshSingletons;

std::vector<juce::Button*> visibleButtons (juce::Component& content)
{
    std::vector<juce::Button*> buttons;
    for (auto* child : content.getChildren())
        if (auto* button = dynamic_cast<juce::Button*> (child); button != nullptr && button->isVisible())
            buttons.push_back (button);
    return buttons;
}

juce::TextEditor& editorOf (juce::Component& content)
{
    for (auto* child : content.getChildren())
        if (auto* editor = dynamic_cast<juce::TextEditor*> (child))
            return *editor;
    throw std::runtime_error ("no editor");
}

TEST_F (AlertDialogTest, ButtonsAreLaidOutPerKind)
{
    struct Case { int kind; std::vector<int> xs; };
    const std::vector<Case> cases { { 0, { 312 } }, { 1, { 208, 312 } }, { 2, { 16, 120, 312 } } };

    for (const auto& c : cases)
    {
        ui::AlertDialogComponent content (c.kind, "Short");
        const int textHeight = editorOf (content).getTextHeight();
        EXPECT_EQ (content.getWidth(), 420);
        EXPECT_EQ (content.getHeight(), textHeight + 16 + 24 + 41);
        EXPECT_EQ (editorOf (content).getBounds(), juce::Rectangle<int> (16, 16, 384, 56));
        EXPECT_EQ (editorOf (content).getName(), "new text editor");

        const auto buttons = visibleButtons (content);
        ASSERT_EQ (buttons.size(), c.xs.size()) << "kind " << c.kind;
        for (size_t i = 0; i < buttons.size(); ++i)
        {
            EXPECT_EQ (buttons[i]->getBounds(), juce::Rectangle<int> (c.xs[i], textHeight + 16 + 25, 88, 24))
                << "kind " << c.kind << " button " << i;
            EXPECT_EQ (buttons[i]->getName(), "new button");
        }
    }
}

TEST_F (AlertDialogTest, ALongerMessageMakesTheAlertTaller)
{
    ui::AlertDialogComponent oneLine (0, "One line");
    ui::AlertDialogComponent threeLines (0, "First line\nSecond line\nThird line");
    EXPECT_GT (threeLines.getHeight(), oneLine.getHeight());
    EXPECT_EQ (threeLines.getHeight() - oneLine.getHeight(),
               editorOf (threeLines).getTextHeight() - editorOf (oneLine).getTextHeight());
}

TEST_F (AlertDialogTest, ResponderClicksChooseTheResult)
{
    struct Case { int buttonIndex; int expected; };
    for (const auto& c : { Case { 0, 1 }, Case { 1, 2 }, Case { 2, 0 } })
    {
        juce::String seenTitle;
        ui::ModalDialogRunner::ScopedResponder responder ([&] (const juce::String& title, juce::Component& content) {
            seenTitle = title;
            visibleButtons (content)[static_cast<size_t> (c.buttonIndex)]->triggerClick();
            test::deliverPendingMessages();
            return c.expected;
        });
        ui::AlertDialog dialog;
        EXPECT_EQ (dialog.showYesNoCancel ("Title", "Message"), c.expected);
        EXPECT_EQ (seenTitle, "Title");
    }
}

TEST_F (AlertDialogTest, BusyStateShowsNothingAndReturnsNoConfirmation)
{
    int shown = 0;
    ui::ModalDialogRunner::ScopedResponder responder ([&] (const juce::String&, juce::Component&) {
        ++shown;
        return 1;
    });
    ui::ModalDialogState::Guard outer;
    ASSERT_FALSE (outer.isBusy());
    ui::AlertDialog dialog;
    EXPECT_FALSE (dialog.showOkCancel ("T", "M"));
    EXPECT_EQ (dialog.showYesNoCancel ("T", "M"), 0);
    EXPECT_EQ (shown, 0);
}

TEST_F (AlertDialogTest, FinishOutsideAWindowIsHarmless)
{
    ui::AlertDialogComponent content (1, "M");
    ui::ModalDialogRunner::finish (content, 1);
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
}

int runRealAlertAndThen (std::function<void (juce::Component& content)> action)
{
    juce::Component* shownContent = nullptr;
    juce::MessageManager::callAsync ([&] {
        for (int i = juce::ModalComponentManager::getInstance()->getNumModalComponents(); --i >= 0;)
            if (auto* window = dynamic_cast<juce::DialogWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (i)))
                shownContent = window->getContentComponent();
        if (shownContent != nullptr)
            action (*shownContent);
    });
    ui::AlertDialog dialog;
    const int result = dialog.showYesNoCancel ("Title", "Message");
    EXPECT_NE (shownContent, nullptr);
    return result;
}

TEST_F (AlertDialogTest, RealWindowEndsWithTheClickedButtonOrEscape)
{
    EXPECT_EQ (runRealAlertAndThen ([] (juce::Component& content) {
                   visibleButtons (content)[0]->triggerClick();
               }),
               1);
    EXPECT_EQ (runRealAlertAndThen ([] (juce::Component& content) {
                   auto* window = content.findParentComponentOfClass<juce::DialogWindow>();
                   static_cast<juce::Component*> (window)->keyPressed (juce::KeyPress (juce::KeyPress::escapeKey));
               }),
               0);
    EXPECT_FALSE (ui::ModalDialogState::Guard().isBusy());
}
} // namespace
