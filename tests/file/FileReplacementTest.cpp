#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"
#include "file/ProgramFileWriter.h"
#include "LibraryFileTestSupport.h"
#include "support/ScopedFileSizeLimit.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace
{
namespace WriteResult = file::WriteResult;

/** Saving over files that are already there: the old file goes only when the
    new one is complete, and a protected file is never touched. */
class FileReplacementTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        // Let the temporary folder be deleted.
        folder.get().setReadOnly (false, true);
    }

    juce::Array<juce::File> filesInFolder() const
    {
        // Hidden files included: that is where temporary files would be left.
        return folder.get().findChildFiles (juce::File::findFilesAndDirectories, false, "*",
                                            juce::File::FollowSymlinks::no);
    }

    test::TemporaryFolder folder;
    const juce::File target = folder.getChildFile ("Mine.tvlib");
    const juce::MemoryBlock oldBytes = test::textBlock ("the user's old library");
    const std::unique_ptr<xTV200_data::LibraryData> library = test::makeDistinctLibrary();
};

TEST_F (FileReplacementTest, ReplacesAnExistingFileAndLeavesNoTemporaryFile)
{
    test::writeFile (target, oldBytes);

    ASSERT_EQ (xTV200_file::LibraryFileWriter (*library).write (target), WriteResult::noError);

    xTV200_data::LibraryData read;
    EXPECT_EQ (xTV200_file::LibraryFileReader (read).read (target), file::ReadResult::noError);
    EXPECT_EQ (read, *library);
    EXPECT_EQ (filesInFolder(), juce::Array<juce::File> ({target}));
}

TEST_F (FileReplacementTest, RefusesProtectedTargetsAndKeepsTheirContent)
{
    struct Case
    {
        const char* description;
        bool fileReadOnly;
        bool folderReadOnly;
    };

    for (const auto& protection :
         {Case{"a read-only file", true, false}, Case{"a file in a read-only folder", false, true}})
    {
        folder.get().setReadOnly (false, true);
        test::writeFile (target, oldBytes);
        target.setReadOnly (protection.fileReadOnly);
        folder.get().setReadOnly (protection.folderReadOnly, false);

        EXPECT_EQ (xTV200_file::LibraryFileWriter (*library).write (target), WriteResult::deleteFile)
            << protection.description;
        EXPECT_EQ (test::readFile (target), oldBytes) << protection.description;
        EXPECT_EQ (filesInFolder(), juce::Array<juce::File> ({target})) << protection.description;
    }
}

TEST_F (FileReplacementTest, GivesCode2WhenTheFileCannotBeCreated)
{
    const xTV200_data::ProgramData program;
    folder.get().setReadOnly (true, false);

    EXPECT_EQ (xTV200_file::ProgramFileWriter (program).write (folder.getChildFile ("New.tvprog")),
               WriteResult::openFile);
    EXPECT_EQ (
        xTV200_file::ProgramFileWriter (program).write (folder.getChildFile ("no/such/folder/New.tvprog")),
        WriteResult::openFile);
    EXPECT_TRUE (filesInFolder().isEmpty());
}

TEST_F (FileReplacementTest, RefusesToReplaceAFolder)
{
    const auto subfolder = folder.getChildFile ("Folder.tvlib");
    subfolder.createDirectory();

    EXPECT_EQ (xTV200_file::LibraryFileWriter (*library).write (subfolder), WriteResult::deleteFile);
    EXPECT_TRUE (subfolder.isDirectory());
}

TEST_F (FileReplacementTest, ReplacesTheFileALinkPointsTo)
{
    const auto real = folder.getChildFile ("Real.tvlib");
    test::writeFile (real, oldBytes);
    ASSERT_TRUE (real.createSymbolicLink (target, true));

    ASSERT_EQ (xTV200_file::LibraryFileWriter (*library).write (target), WriteResult::noError);
    EXPECT_TRUE (target.isSymbolicLink());
    EXPECT_NE (test::readFile (real), oldBytes);
}
} // namespace

TEST_F (FileReplacementTest, ASaveCutShortAsOnAFullDiskKeepsTheOldFile)
{
    test::writeFile (target, oldBytes);

    {
        const test::ScopedFileSizeLimit limit (4096);
        EXPECT_EQ (xTV200_file::LibraryFileWriter (*library).write (target), WriteResult::writeData);
    }

    juce::MemoryBlock kept;
    ASSERT_TRUE (target.loadFileAsData (kept));
    EXPECT_EQ (kept, oldBytes);
    EXPECT_EQ (filesInFolder(), juce::Array<juce::File> ({target}));
}
