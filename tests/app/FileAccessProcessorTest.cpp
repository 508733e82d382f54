#include "app/FileAccessProcessor.h"
#include "app/ApplicationUndoManager.h"
#include "app/DataEditStatus.h"
#include "app/LastSavedFileStatus.h"
#include "app/LibraryEditProcessor.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "data/DataChangeBroadcaster.h"
#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"
#include "file/PresetFileReader.h"
#include "file/ProgramFileWriter.h"
#include "file/TonexaLibraryDataImporter.h"
#include "file/TonexaTestFileWriter.h"
#include "support/FreshSingletons.h"
#include "support/RecordingObservers.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace
{
using xTV200_data::LibraryData;
using xTV200_data::ProgramData;
namespace ReadResult = file::ReadResult;
namespace WriteResult = file::WriteResult;

ProgramData programMarked (juce::uint8 mark)
{
    ProgramData program;
    program.setByte (20, mark);
    program.getInformation().programmer = "Programmer " + juce::String (mark);
    program.getInformation().comment = "Comment " + juce::String (mark);
    return program;
}

std::unique_ptr<LibraryData> libraryMarked (juce::uint8 mark)
{
    auto library = std::make_unique<LibraryData>();
    for (int index = 0; index < LibraryData::numPrograms; ++index)
        library->getProgram (index) = programMarked (static_cast<juce::uint8> (mark + index));
    library->getFavorites().setValue (1, 2, mark);
    return library;
}

struct StatusRecorder final : application::DataEditStatusListener, application::LastSavedFileStatusListener
{
    void dataEditStatusChanged (bool) override { ++editStatusCalls; }
    void lastSavedFileChanged (const juce::File&) override { ++fileCalls; }

    int editStatusCalls = 0;
    int fileCalls = 0;
};

/** Starts every test with an edited library (one undoable step, modified)
    that belongs to a file, a library program current, and observers on
    every notification the operations give. */
class FileAccessProcessorTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        undoManager = application::ApplicationUndoManager::getInstance();
        editStatus = application::DataEditStatus::getInstance();
        fileStatus = application::LastSavedFileStatus::getInstance();
        currentProgram = xTV200_data::CurrentProgramData::getInstance();

        library().copyFrom (*libraryMarked (100));
        xTV200_application::LibraryEditProcessor().loadProgram (3, programMarked (1));
        fileStatus->setFile (previousFile);
        currentProgram->selectLibraryPrograms ({3});
        test::deliverPendingMessages();

        data::DataChangeBroadcaster::getInstance()->addObserver (&dataObserver);
        currentProgram->addObserver (&programObserver);
        editStatus->addObserver (&statusRecorder);
        fileStatus->addObserver (&statusRecorder);
        before = std::make_unique<LibraryData> (library());
    }

    void TearDown() override
    {
        fileStatus->removeObserver (&statusRecorder);
        editStatus->removeObserver (&statusRecorder);
        currentProgram->removeObserver (&programObserver);
        data::DataChangeBroadcaster::getInstance()->removeObserver (&dataObserver);
        FreshSingletons::TearDown();
    }

    static LibraryData& library() { return xTV200_data::DataCenter::getInstance()->getLibrary(); }

    juce::File writeLibraryFile (const LibraryData& content, const juce::String& name = "In.tvlib")
    {
        const auto file = folder.getChildFile (name);
        EXPECT_EQ (xTV200_file::LibraryFileWriter (content).write (file), WriteResult::noError);
        return file;
    }

    /** The document state after an operation replaced the library. */
    void expectReplacedDocument (const juce::File& expectedFile)
    {
        EXPECT_EQ (fileStatus->getFile(), expectedFile);
        EXPECT_FALSE (editStatus->isModified());
        EXPECT_FALSE (undoManager->canUndo());

        test::deliverPendingMessages();
        EXPECT_GE (dataObserver.calls, 1);
        EXPECT_GE (programObserver.calls, 1);
        EXPECT_EQ (statusRecorder.editStatusCalls, 1);
    }

    /** Nothing changed and nobody was told. */
    void expectUntouchedDocument()
    {
        EXPECT_EQ (library(), *before);
        EXPECT_EQ (fileStatus->getFile(), previousFile);
        EXPECT_TRUE (editStatus->isModified());
        EXPECT_TRUE (undoManager->canUndo());

        test::deliverPendingMessages();
        EXPECT_EQ (dataObserver.calls, 0);
        EXPECT_EQ (programObserver.calls, 0);
        EXPECT_EQ (statusRecorder.editStatusCalls, 0);
        EXPECT_EQ (statusRecorder.fileCalls, 0);
    }

    test::TemporaryFolder folder;
    const juce::File previousFile = folder.getChildFile ("Previous.tvlib");
    xTV200_application::FileAccessProcessor processor;

    application::ApplicationUndoManager* undoManager = nullptr;
    application::DataEditStatus* editStatus = nullptr;
    application::LastSavedFileStatus* fileStatus = nullptr;
    xTV200_data::CurrentProgramData* currentProgram = nullptr;

    test::RecordingObserver dataObserver;
    test::RecordingObserver programObserver;
    StatusRecorder statusRecorder;
    std::unique_ptr<LibraryData> before;
};
} // namespace

TEST_F (FileAccessProcessorTest, OpeningALibraryReplacesItAndClearsTheHistory)
{
    const auto content = libraryMarked (7);
    const auto file = writeLibraryFile (*content);

    ASSERT_EQ (processor.openLibraryFile (file), ReadResult::noError);

    EXPECT_EQ (library(), *content);
    expectReplacedDocument (file);
    EXPECT_EQ (statusRecorder.fileCalls, 1);
}

TEST_F (FileAccessProcessorTest, AFailedOpenOrImportChangesNothing)
{
    const auto damaged = folder.getChildFile ("Damaged.tvlib");
    ASSERT_TRUE (damaged.replaceWithText ("not a library"));

    EXPECT_NE (processor.openLibraryFile (damaged), ReadResult::noError);
    EXPECT_NE (processor.openLibraryFile (folder.getChildFile ("Missing.tvlib")), ReadResult::noError);
    EXPECT_EQ (processor.importTonexaFile (damaged), ReadResult::invalidType);

    expectUntouchedDocument();
}

TEST_F (FileAccessProcessorTest, SavingRemembersTheFileAndKeepsTheHistory)
{
    const auto file = folder.getChildFile ("Saved.tvlib");

    ASSERT_EQ (processor.saveLibraryFile (file), WriteResult::noError);

    LibraryData written;
    ASSERT_EQ (xTV200_file::LibraryFileReader (written).read (file), ReadResult::noError);
    EXPECT_EQ (written, library());
    EXPECT_EQ (fileStatus->getFile(), file);
    EXPECT_FALSE (editStatus->isModified());

    // The edit made before the save can still be undone, and then differs
    // from the saved file again.
    ASSERT_TRUE (undoManager->canUndo());
    undoManager->undo();
    EXPECT_TRUE (editStatus->isModified());
    EXPECT_EQ (library().getProgram (3), libraryMarked (100)->getProgram (3));
}

TEST_F (FileAccessProcessorTest, AFailedSaveKeepsTheFileNameAndTheModifiedState)
{
    const auto file = writeLibraryFile (*libraryMarked (9), "ReadOnly.tvlib");
    ASSERT_TRUE (file.setReadOnly (true));

    EXPECT_EQ (processor.saveLibraryFile (file), WriteResult::deleteFile);

    file.setReadOnly (false);
    LibraryData unchanged;
    ASSERT_EQ (xTV200_file::LibraryFileReader (unchanged).read (file), ReadResult::noError);
    EXPECT_EQ (unchanged, *libraryMarked (9));
    expectUntouchedDocument();
}

TEST_F (FileAccessProcessorTest, ImportingReplacesTheLibraryAndLeavesItUntitled)
{
    const auto bytes = test::TonexaTestFileWriter::validFile();
    const auto file = folder.getChildFile ("Old.XTV200_all");
    ASSERT_TRUE (file.replaceWithData (bytes.getData(), bytes.getSize()));
    LibraryData expected;
    ASSERT_EQ (xTV200_file::TonexaLibraryDataImporter (expected).readBytes (bytes.getData(), bytes.getSize()),
               ReadResult::noError);

    ASSERT_EQ (processor.importTonexaFile (file), ReadResult::noError);

    EXPECT_EQ (library(), expected);
    expectReplacedDocument (juce::File());
}

TEST_F (FileAccessProcessorTest, NewGivesAnInitialUntitledLibrary)
{
    processor.newLibrary();

    EXPECT_EQ (library(), LibraryData());
    expectReplacedDocument (juce::File());
}

TEST_F (FileAccessProcessorTest, LoadingAProgramFileIsOneUndoableStep)
{
    undoManager->clearUndoHistory();
    const auto loaded = programMarked (42);
    const auto file = folder.getChildFile ("One.tvprog");
    ASSERT_EQ (xTV200_file::ProgramFileWriter (loaded).write (file), WriteResult::noError);

    ASSERT_EQ (processor.loadProgramFile (file, 5), ReadResult::noError);

    EXPECT_EQ (library().getProgram (5), loaded);
    EXPECT_EQ (undoManager->getUndoDescription(), "LoadProgram");
    undoManager->undo();
    EXPECT_EQ (library().getProgram (5), before->getProgram (5));
    EXPECT_FALSE (undoManager->canUndo());
}

TEST_F (FileAccessProcessorTest, AProgramFileThatFailsOrAnIndexOutOfRangeChangesNothing)
{
    const auto file = folder.getChildFile ("One.tvprog");
    ASSERT_EQ (xTV200_file::ProgramFileWriter (programMarked (42)).write (file), WriteResult::noError);
    const auto damaged = folder.getChildFile ("Damaged.tvprog");
    ASSERT_TRUE (damaged.replaceWithText ("not a program"));
    const auto undoSteps = undoManager->getNumActionsInCurrentTransaction();

    EXPECT_NE (processor.loadProgramFile (damaged, 5), ReadResult::noError);
    EXPECT_EQ (processor.loadProgramFile (file, -1), ReadResult::invalidProgramNumber);
    EXPECT_EQ (processor.loadProgramFile (file, 300), ReadResult::invalidProgramNumber);

    EXPECT_EQ (undoManager->getNumActionsInCurrentTransaction(), undoSteps);
    expectUntouchedDocument();
}

TEST_F (FileAccessProcessorTest, APresetFileHoldsTheLibrarysSoundsWithoutProgrammerOrComment)
{
    xTV200_data::PresetInformation information;
    information.dataID = "TV-USER-1";
    information.name = "Mine";
    information.version = 2;
    const auto file = folder.getChildFile ("Mine.tvpreset");

    ASSERT_EQ (processor.makePresetFile (file, information), WriteResult::noError);

    xTV200_data::PresetData preset;
    ASSERT_EQ (xTV200_file::PresetFileReader (preset).read (file), ReadResult::noError);
    EXPECT_EQ (preset.getInformation(), information);

    for (int index = 0; index < xTV200_data::PresetData::numPrograms; ++index)
    {
        const auto& program = preset.getProgram (index);
        const auto& source = library().getProgram (index);
        ASSERT_TRUE (program.getInformation().programmer.isEmpty()) << index;
        ASSERT_TRUE (program.getInformation().comment.isEmpty()) << index;
        ASSERT_EQ (program.getHash(), source.getHash()) << index;
        ASSERT_EQ (0, memcmp (program.getBytes(), source.getBytes(), ProgramData::numBytes)) << index;
    }

    expectUntouchedDocument();
}
