#include "app/DataEditStatus.h"
#include "app/LastSavedFileStatus.h"
#include "data/DataCenter.h"
#include "file/LibraryFileWriter.h"
#include "support/TemporaryFolder.h"
#include "ui/state/ModalDialogState.h"
#include "app/PreferencesData.h"
#include "app/StartupSingletons.h"
#include "support/FreshSingletons.h"
#include "ui/MainAppWindow.h"
#include "ui/MainComponent.h"
#include "ui/MainWindowTitle.h"

namespace
{
class MainWindowTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_application::StartupSingletons::createInStartupOrder();
    }
};

TEST_F (MainWindowTest, TheTitleNamesTheFileAndMarksUnsavedChanges)
{
    const auto file = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("Songs.tvlib");

    EXPECT_EQ (xTV200_ui::makeMainWindowTitle (juce::File(), false), "TolmVESK Sound Librarian - Untitled");
    EXPECT_EQ (xTV200_ui::makeMainWindowTitle (file, false), "TolmVESK Sound Librarian - Songs.tvlib");
    EXPECT_EQ (xTV200_ui::makeMainWindowTitle (file, true), "TolmVESK Sound Librarian - Songs.tvlib*");
}

TEST_F (MainWindowTest, PanesStartAtTheirPreferredWidthsBelowTheHeader)
{
    xTV200_ui::MainComponent content;
    content.setSize (1110, 640);

    EXPECT_EQ (content.getHeader().getBounds(), juce::Rectangle<int> (0, 0, 1110, 60));
    EXPECT_EQ (content.getLeftPane().getBounds(), juce::Rectangle<int> (0, 60, 330, 580));
    EXPECT_EQ (content.getRightPane().getBounds(), juce::Rectangle<int> (335, 60, 775, 580));

    content.setSize (400, 640);
    EXPECT_LE (content.getLeftPane().getWidth(), 320) << "at most 80 % of the width";
    EXPECT_GE (content.getRightPane().getWidth(), 100);
}

TEST_F (MainWindowTest, RestoresItsBoundsAndStoresThemWhenClosed)
{
    auto* preferences = xTV200_preferences::PreferencesData::getInstance();
    preferences->setInt ("MainWindowPositionX", 40);
    preferences->setInt ("MainWindowPositionY", 50);
    preferences->setInt ("MainWindowWidth", 900);
    preferences->setInt ("MainWindowHeight", 20);

    {
        xTV200_ui::MainAppWindow window;
        EXPECT_EQ (window.getLastBounds(), juce::Rectangle<int> (40, 50, 900, 100))
            << "raised to 100 at least";
        window.setBounds (60, 70, 1000, 600);
    }

    EXPECT_EQ (preferences->getInt ("MainWindowPositionX", -1), 60);
    EXPECT_EQ (preferences->getInt ("MainWindowPositionY", -1), 70);
    EXPECT_EQ (preferences->getInt ("MainWindowWidth", -1), 1000);
    EXPECT_EQ (preferences->getInt ("MainWindowHeight", -1), 600);
}

TEST_F (MainWindowTest, TheTitleFollowsTheEditStatus)
{
    xTV200_ui::MainAppWindow window;
    EXPECT_EQ (window.getName(), "TolmVESK Sound Librarian - Untitled");

    application::DataEditStatus::getInstance()->setModified();
    test::deliverPendingMessages();
    EXPECT_EQ (window.getName(), "TolmVESK Sound Librarian - Untitled*");
}

TEST_F (MainWindowTest, TakesTheFirstLibraryOrProgramFileOfADrop)
{
    struct Case
    {
        juce::StringArray files;
        juce::String expected;
    };

    const Case cases[] {
        {{"/a/notes.txt", "/a/Sound.TVPROG"}, "/a/Sound.TVPROG"},
        {{"/a/First.tvlib", "/a/Second.tvlib"}, "/a/First.tvlib"},
        {{"/a/Bundle.tvpreset", "/a/old.XTV200_all"}, ""},
        {{}, ""},
    };

    for (const auto& c : cases)
        EXPECT_EQ (xTV200_ui::MainComponent::findDocumentToOpen (c.files), c.expected) << c.files.joinIntoString (", ");
}

TEST_F (MainWindowTest, ADroppedLibraryOpensUnlessADialogIsOpen)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("Dropped.tvlib");
    xTV200_data::LibraryData stored;
    stored.getProgram (0).getInformation().comment = "from the drop";
    ASSERT_EQ (xTV200_file::LibraryFileWriter (stored).write (file), 0);

    xTV200_ui::MainComponent content;
    const juce::StringArray files {file.getFullPathName()};
    auto& library = xTV200_data::DataCenter::getInstance()->getLibrary();

    ui::ModalDialogState::getInstance()->setModal (true);
    EXPECT_FALSE (content.isInterestedInFileDrag (files));
    content.filesDropped (files, 0, 0);
    EXPECT_TRUE (library.getProgram (0).getInformation().comment.isEmpty());

    ui::ModalDialogState::getInstance()->setModal (false);
    EXPECT_TRUE (content.isInterestedInFileDrag (files));
    content.filesDropped (files, 0, 0);
    EXPECT_EQ (library.getProgram (0).getInformation().comment, "from the drop");
    EXPECT_EQ (application::LastSavedFileStatus::getInstance()->getFile(), file);
}
} // namespace
