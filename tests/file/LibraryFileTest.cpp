#include "file/FileResultCodes.h"
#include "file/LibraryFileReader.h"
#include "file/LibraryFileWriter.h"
#include "LibraryFileTestSupport.h"
#include "support/TemporaryFolder.h"
#include "ZipLibraryArchiveFixtures.h"

#include <gtest/gtest.h>

namespace
{
using Fixtures = test::ZipLibraryArchiveFixtures;
namespace ReadResult = file::ReadResult;

/** A library archive whose table of contents lists the given program items,
    with program entries for the first numEntries of them. */
juce::MemoryBlock libraryArchive (const juce::String& programItems, int numEntries)
{
    std::vector<test::ZipTestEntry> entries{Fixtures::favoriteEntry()};
    Fixtures::addPrograms (entries, numEntries);
    entries.push_back (Fixtures::text ("FileInformation.xml",
                                       Fixtures::tableOfContents (Fixtures::favoriteItem() + programItems)));
    return test::buildArchive (entries);
}

class LibraryFileTest : public ::testing::Test
{
protected:
    int readBytes (const juce::MemoryBlock& bytes)
    {
        const auto file = folder.getChildFile ("In.tvlib");
        test::writeFile (file, bytes);
        return xTV200_file::LibraryFileReader (*library).read (file);
    }

    test::TemporaryFolder folder;
    std::unique_ptr<xTV200_data::LibraryData> library = std::make_unique<xTV200_data::LibraryData>();
};

TEST_F (LibraryFileTest, ReadsBackEveryProgramAndFavourite)
{
    const auto written = test::makeDistinctLibrary();
    const auto file = folder.getChildFile ("Round.tvlib");

    ASSERT_EQ (xTV200_file::LibraryFileWriter (*written).write (file), file::WriteResult::noError);
    ASSERT_EQ (xTV200_file::LibraryFileReader (*library).read (file), ReadResult::noError);

    for (int index = 0; index < 300; ++index)
    {
        const auto& read = library->getProgram (index);
        const auto& expected = written->getProgram (index);
        EXPECT_EQ (0, memcmp (read.getBytes(), expected.getBytes(), 320)) << index;
        EXPECT_EQ (read.getInformation().programmer, expected.getInformation().programmer) << index;
        EXPECT_EQ (read.getInformation().comment, expected.getInformation().comment) << index;
        EXPECT_EQ (read.getHash(), expected.getHash()) << index;
    }

    EXPECT_EQ (library->getFavorites(), written->getFavorites());
    EXPECT_EQ (*library, *written);
}

TEST_F (LibraryFileTest, TakesTheFirst300ProgramItems)
{
    ASSERT_EQ (readBytes (libraryArchive (Fixtures::programItems (301), 301)), ReadResult::noError);

    EXPECT_EQ (library->getProgram (0).getInformation().programmer, "P0");
    EXPECT_EQ (library->getProgram (299).getInformation().programmer, "P299");
    EXPECT_EQ (library->getProgram (299).getByte (0), 299 & 0x7F);
}

TEST_F (LibraryFileTest, LeavesProgramsTheFileLacksInitialWithEmptyTexts)
{
    // Whatever the target held before must not survive in the programs the
    // file does not hold.
    library->getProgram (10) = test::makeDistinctProgram (10);
    library->getProgram (299) = test::makeDistinctProgram (299);

    ASSERT_EQ (readBytes (libraryArchive (Fixtures::programItems (10), 10)), ReadResult::noError);

    EXPECT_EQ (library->getProgram (9).getInformation().programmer, "P9");
    EXPECT_EQ (library->getProgram (9).getInformation().comment, "") << "the document holds only Programmer";
    for (int index = 10; index < 300; ++index)
        EXPECT_EQ (library->getProgram (index), xTV200_data::ProgramData()) << index;
    EXPECT_EQ (library->getFavorites().getValue (0, 0), 17);
}

TEST_F (LibraryFileTest, OpensWithAllProgramsInitialWhenNoItemIsComplete)
{
    const auto items =
        juce::String ("<ProgramData><Information>Prog_000.prog_info</Information></ProgramData>");
    library->getProgram (0) = test::makeDistinctProgram (0);

    ASSERT_EQ (readBytes (libraryArchive (items, 1)), ReadResult::noError);
    EXPECT_EQ (library->getProgram (0), xTV200_data::ProgramData());
}

TEST_F (LibraryFileTest, RefusesAFileWithoutFavouritesAndKeepsTheLibrary)
{
    std::vector<test::ZipTestEntry> entries;
    Fixtures::addPrograms (entries, 1);
    entries.push_back (
        Fixtures::text ("FileInformation.xml", Fixtures::tableOfContents (Fixtures::programItems (1))));

    *library = *test::makeDistinctLibrary();
    const auto before = *library;

    EXPECT_EQ (readBytes (test::buildArchive (entries)), ReadResult::favoriteDataMissing);
    EXPECT_EQ (*library, before);
}

TEST_F (LibraryFileTest, KeepsTheLibraryWhenAnEntryFailsHalfWay)
{
    // Program 150's binary is short, after 150 programs have been read fine.
    std::vector<test::ZipTestEntry> entries{Fixtures::favoriteEntry()};
    Fixtures::addPrograms (entries, 300);
    for (auto& entry : entries)
        if (entry.name == "Prog_150.prog_bin")
            entry = Fixtures::binaryEntry (150, 100);
    entries.push_back (
        Fixtures::text ("FileInformation.xml",
                        Fixtures::tableOfContents (Fixtures::favoriteItem() + Fixtures::programItems (300))));

    *library = *test::makeDistinctLibrary();
    const auto before = *library;

    EXPECT_EQ (readBytes (test::buildArchive (entries)), ReadResult::failedToReadProgramBinary);
    EXPECT_EQ (*library, before);
}

TEST_F (LibraryFileTest, GivesCode6ForAMissingFileOrAFolder)
{
    EXPECT_EQ (xTV200_file::LibraryFileReader (*library).read (folder.getChildFile ("missing.tvlib")),
               ReadResult::failedToUncompressZipFile);
    EXPECT_EQ (xTV200_file::LibraryFileReader (*library).read (folder.get()),
               ReadResult::failedToUncompressZipFile);
}
} // namespace
