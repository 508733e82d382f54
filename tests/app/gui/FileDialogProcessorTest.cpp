#include "app/ApplicationUndoManager.h"
#include "app/DataEditStatus.h"
#include "app/LastSavedFileStatus.h"
#include "app/LibraryEditProcessor.h"
#include "app/gui/FileDialogProcessor.h"
#include "app/gui/FileDiscardChecker.h"
#include "app/gui/FileDropProcessor.h"
#include "data/DataCenter.h"
#include "file/PresetFileReader.h"
#include "file/ProgramFileWriter.h"
#include "support/FreshSingletons.h"
#include "support/TemporaryFolder.h"
#include "ui/DialogTestRun.h"
#include "ui/ModalDialogRunner.h"
#include "ui/PresetInformationEditComponent.h"
#include "ui/state/ModalDialogState.h"
#include "ui/state/SelectedProgramStatus.h"

#include <gtest/gtest.h>

namespace
{
using xTV200_application::FileDialogProcessor;

xTV200_data::ProgramData programMarked (juce::uint8 mark)
{
    xTV200_data::ProgramData program;
    program.setByte (20, mark);
    return program;
}

xTV200_data::LibraryData& library() { return xTV200_data::DataCenter::getInstance()->getLibrary(); }

/** An edited, untitled library; the alert answers alertAnswer and the
    chooser answers chosenFile, both counting how often they were asked. */
class FileDialogProcessorTest : public test::FreshSingletons
{
protected:
    void edit() { xTV200_application::LibraryEditProcessor().loadProgram (5, programMarked (9)); }

    test::TemporaryFolder folder;
    int alertAnswer = 0;
    int alertsShown = 0;
    juce::File chosenFile;
    int choosersShown = 0;
    ui::ModalDialogRunner::ScopedResponder alerts { [this] (const juce::String&, juce::Component&)
    {
        ++alertsShown;
        return alertAnswer;
    } };
    FileDialogProcessor::ScopedChooserResponder chooser { [this] (const juce::String&, const juce::String&, bool)
    {
        ++choosersShown;
        return chosenFile;
    } };
};

TEST_F (FileDialogProcessorTest, TheDiscardCheckAnswersAsTheUserChose)
{
    EXPECT_EQ (application::FileDiscardChecker().check(), 0);
    EXPECT_EQ (alertsShown, 0) << "nothing to lose, nothing asked";

    struct Case { int answer; juce::String chosen; int expected; bool written; };
    const Case cases[] = { { 0, {}, 1, false }, { 2, {}, 0, false }, { 1, {}, 1, false }, { 1, "Kept", 0, true } };

    for (const auto& c : cases)
    {
        edit();
        application::LastSavedFileStatus::getInstance()->setFile ({});
        alertAnswer = c.answer;
        chosenFile = c.chosen.isEmpty() ? juce::File() : folder.getChildFile (c.chosen);
        SCOPED_TRACE (c.answer);
        EXPECT_EQ (application::FileDiscardChecker().check(), c.expected);
        EXPECT_EQ (folder.getChildFile ("Kept.tvlib").existsAsFile(), c.written);
        EXPECT_EQ (application::DataEditStatus::getInstance()->isModified(), ! c.written);
    }

    edit();
    const ui::ModalDialogState::Guard busy;
    alertsShown = 0;
    EXPECT_EQ (application::FileDiscardChecker().check(), 1);
    EXPECT_EQ (alertsShown, 0);
}

TEST_F (FileDialogProcessorTest, SaveWritesTheOpenedFileAndSaveAsForcesTheExtension)
{
    for (const auto* name : { "b", "b.txt" })
    {
        folder.getChildFile ("b.tvlib").deleteFile();
        chosenFile = folder.getChildFile (name);
        EXPECT_TRUE (FileDialogProcessor().saveAs());
        EXPECT_TRUE (folder.getChildFile ("b.tvlib").existsAsFile()) << name;
        EXPECT_FALSE (folder.getChildFile ("b.txt").existsAsFile());
    }

    chosenFile = folder.getChildFile ("a.tvlib");
    ASSERT_TRUE (FileDialogProcessor().saveAs());
    ASSERT_TRUE (FileDialogProcessor().open());
    EXPECT_FALSE (application::ApplicationUndoManager::getInstance()->canUndo());

    edit();
    ASSERT_TRUE (chosenFile.deleteFile());
    choosersShown = 0;
    EXPECT_TRUE (FileDialogProcessor().save());
    EXPECT_EQ (choosersShown, 0);
    EXPECT_TRUE (chosenFile.existsAsFile());
    EXPECT_TRUE (application::ApplicationUndoManager::getInstance()->undo());
    EXPECT_TRUE (application::DataEditStatus::getInstance()->isModified());
}

TEST_F (FileDialogProcessorTest, ProgramsGoToTheFirstSelectedAndADropNeedsExactlyOne)
{
    const auto file = folder.getChildFile ("p.tvprog");
    ASSERT_EQ (xTV200_file::ProgramFileWriter (programMarked (42)).write (file), 0);
    ui::SelectedProgramStatus::getInstance()->setSelection ({ 7, 3 });

    xTV200_application::FileDropProcessor().loadDroppedProgram (file);
    EXPECT_NE (library().getProgram (3), programMarked (42));

    chosenFile = file;
    EXPECT_TRUE (FileDialogProcessor().loadProgram());
    EXPECT_EQ (library().getProgram (3), programMarked (42));
    EXPECT_NE (library().getProgram (7), programMarked (42));
}

TEST_F (FileDialogProcessorTest, MakePresetFileWritesOnlyWhatTheInformationDialogConfirmed)
{
    library().getProgram (3) = programMarked (77);
    library().getProgram (3).getInformation().programmer = "Ann";
    library().getProgram (3).getInformation().comment = "mine";
    const auto written = folder.getChildFile ("Bundle.tvpreset");

    struct Case { bool confirm; bool expectedWritten; };
    for (const auto& c : { Case { false, false }, Case { true, true } })
    {
        juce::String titleShown;
        const ui::ModalDialogRunner::ScopedResponder dialog { [&] (const juce::String& title, juce::Component& content)
        {
            titleShown = title;
            test::childNamed<juce::TextEditor> (content, "dataIdEditor").setText ("com.example.bundle");
            test::childNamed<juce::Slider> (content, "versionSlider").setValue (3.0);

            // Escape and the close button end the dialog with 0 without OK.
            if (! c.confirm)
                return 0;

            test::childNamed<juce::Button> (content, "okButton").triggerClick();
            test::deliverPendingMessages();
            return xTV200_ui::PresetInformationEditComponent::confirmedResult;
        } };

        chosenFile = folder.getChildFile ("Bundle.txt");
        SCOPED_TRACE (c.confirm);
        EXPECT_EQ (FileDialogProcessor().makePresetFile(), c.expectedWritten);
        EXPECT_EQ (titleShown, "Preset Information");
        EXPECT_EQ (written.existsAsFile(), c.expectedWritten);
        EXPECT_FALSE (folder.getChildFile ("Bundle.txt").existsAsFile());
        EXPECT_FALSE (ui::ModalDialogState::getInstance()->isModal());
    }

    xTV200_data::PresetData preset;
    ASSERT_EQ (xTV200_file::PresetFileReader (preset).read (written), 0);
    EXPECT_EQ (preset.getInformation().dataID, "com.example.bundle");
    EXPECT_EQ (preset.getInformation().version, 3);
    EXPECT_EQ (preset.getProgram (3).getHash(), library().getProgram (3).getHash());
    EXPECT_TRUE (preset.getProgram (3).getInformation().programmer.isEmpty());
    EXPECT_TRUE (preset.getProgram (3).getInformation().comment.isEmpty());
}

TEST_F (FileDialogProcessorTest, MakePresetFileAsksNothingMoreWhenNoFileIsChosen)
{
    int dialogsShown = 0;
    const ui::ModalDialogRunner::ScopedResponder dialog { [&] (const juce::String&, juce::Component&)
    {
        ++dialogsShown;
        return xTV200_ui::PresetInformationEditComponent::confirmedResult;
    } };

    chosenFile = juce::File();
    EXPECT_FALSE (FileDialogProcessor().makePresetFile());
    EXPECT_EQ (choosersShown, 1);
    EXPECT_EQ (dialogsShown, 0);
    EXPECT_TRUE (folder.get().findChildFiles (juce::File::findFiles, false).isEmpty());
}
} // namespace
