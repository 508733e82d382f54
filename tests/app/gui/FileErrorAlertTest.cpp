#include "app/CTRVResource.h"
#include "app/gui/FileErrorAlert.h"
#include "file/FileResultCodes.h"
#include "support/FreshSingletons.h"
#include "ui/ModalDialogRunner.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

namespace
{
struct ShownAlert
{
    int count = 0;
    juce::String title;
    juce::String message;
};

juce::String findMessageText (juce::Component& content)
{
    for (auto* child : content.getChildren())
        if (auto* editor = dynamic_cast<juce::TextEditor*> (child))
            return editor->getText();
    return {};
}

class FileErrorAlertTest : public test::FreshSingletons
{
protected:
    ShownAlert shown;
    ui::ModalDialogRunner::ScopedResponder responder { [this] (const juce::String& title, juce::Component& content)
    {
        ++shown.count;
        shown.title = title;
        shown.message = findMessageText (content);
        return 1;
    } };
};

struct ErrorCase
{
    bool isRead;
    int code;
};

TEST_F (FileErrorAlertTest, ShowsTheCommonTitleAndTheLocalizedTextOfTheCode)
{
    const ErrorCase cases[] = { { true, file::ReadResult::openFile },
                                { true, file::ReadResult::favoriteDataMissing },
                                { false, file::WriteResult::writeData },
                                { false, file::WriteResult::deleteFile } };

    for (const auto& c : cases)
    {
        shown = {};
        xTV200_application::FileErrorAlert alert;
        c.isRead ? alert.showReadError (c.code) : alert.showWriteError (c.code);

        const auto key = c.isRead ? file::getReadResultKey (c.code) : file::getWriteResultKey (c.code);
        const auto* texts = CTRVResource::getInstance();
        SCOPED_TRACE (key);
        EXPECT_EQ (shown.count, 1);
        EXPECT_EQ (shown.title, texts->getText ("CommonErrorDialogTitle"));
        EXPECT_EQ (shown.message, texts->getText (key));
        EXPECT_NE (shown.message, texts->getText (file::getReadResultKey (file::ReadResult::readData)));
    }
}
} // namespace
