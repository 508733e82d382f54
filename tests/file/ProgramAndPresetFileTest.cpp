#include "file/FileResultCodes.h"
#include "file/PresetFileReader.h"
#include "file/PresetFileWriter.h"
#include "file/ProgramFileReader.h"
#include "file/ProgramFileWriter.h"
#include "LibraryFileTestSupport.h"
#include "support/TemporaryFolder.h"
#include "ZipLibraryArchiveFixtures.h"

#include <gtest/gtest.h>

namespace
{
using Fixtures = test::ZipLibraryArchiveFixtures;
using Entries = std::vector<test::ZipTestEntry>;
namespace ReadResult = file::ReadResult;

juce::MemoryBlock archiveWith (Entries entries, const juce::String& items)
{
    entries.push_back (Fixtures::text ("FileInformation.xml", Fixtures::tableOfContents (items)));
    return test::buildArchive (entries);
}

xTV200_data::PresetInformation makeInformation()
{
    xTV200_data::PresetInformation information;
    information.dataID = "TV-0001";
    information.name = "Factory";
    information.author = "Sound Team";
    information.version = 3;
    information.date = "2024-01-31";
    information.prefix = "F";
    information.copyright = "(c) us";
    return information;
}

class ProgramAndPresetFileTest : public ::testing::Test
{
protected:
    juce::File fileWith (const juce::MemoryBlock& bytes, const juce::String& name = "In.bin")
    {
        const auto file = folder.getChildFile (name);
        test::writeFile (file, bytes);
        return file;
    }

    test::TemporaryFolder folder;
};

TEST_F (ProgramAndPresetFileTest, ProgramFileHoldsOneProgramAndReadsBack)
{
    const auto written = test::makeDistinctProgram (42);
    const auto file = folder.getChildFile ("One.tvprog");
    ASSERT_EQ (xTV200_file::ProgramFileWriter (written).write (file), file::WriteResult::noError);

    EXPECT_EQ (test::entryNames (test::readFile (file)),
               juce::StringArray ({"Prog_000.prog_bin", "Prog_000.prog_info", "FileInformation.xml"}));

    xTV200_data::ProgramData read;
    ASSERT_EQ (xTV200_file::ProgramFileReader (read).read (file), ReadResult::noError);
    EXPECT_EQ (read, written);
}

TEST_F (ProgramAndPresetFileTest, ProgramFileReaderTakesTheFirstOfTwoPrograms)
{
    Entries entries;
    Fixtures::addPrograms (entries, 2);
    const auto items = Fixtures::programItem (1) + Fixtures::programItem (0);

    xTV200_data::ProgramData read;
    ASSERT_EQ (xTV200_file::ProgramFileReader (read).read (fileWith (archiveWith (entries, items))),
               ReadResult::noError);
    EXPECT_EQ (read.getInformation().programmer, "P1");
}

TEST_F (ProgramAndPresetFileTest, ProgramFileReaderRefusesFilesWithoutAProgramAndKeepsItsRecord)
{
    Entries entries;
    Fixtures::addPrograms (entries, 1);
    const auto incomplete =
        juce::String ("<ProgramData><ProgramBinary>Prog_000.prog_bin</ProgramBinary></ProgramData>");

    const struct
    {
        const char* description;
        juce::MemoryBlock bytes;
        int expectedCode;
    } cases[] = {
        {"an item without Information", archiveWith (entries, incomplete), ReadResult::programDataMissing},
        {"a library of favourites only", archiveWith ({Fixtures::favoriteEntry()}, Fixtures::favoriteItem()),
         ReadResult::programDataMissing},
        {"an archive fault",
         archiveWith ({Fixtures::binaryEntry (0, 12), Fixtures::informationEntry (0)},
                      Fixtures::programItem (0)),
         ReadResult::failedToReadProgramBinary},
    };

    for (const auto& readCase : cases)
    {
        auto program = test::makeDistinctProgram (7);
        EXPECT_EQ (xTV200_file::ProgramFileReader (program).read (fileWith (readCase.bytes)),
                   readCase.expectedCode)
            << readCase.description;
        EXPECT_EQ (program, test::makeDistinctProgram (7)) << readCase.description;
    }
}

TEST_F (ProgramAndPresetFileTest, PresetFileHoldsInformationAnd300ProgramsAndReadsBack)
{
    auto written = std::make_unique<xTV200_data::PresetData>();
    written->getInformation() = makeInformation();
    for (int index = 0; index < 300; ++index)
        written->getProgram (index) = test::makeDistinctProgram (1000 + index);

    const auto file = folder.getChildFile ("Bundle.tvpreset");
    ASSERT_EQ (xTV200_file::PresetFileWriter (*written).write (file), file::WriteResult::noError);

    const auto names = test::entryNames (test::readFile (file));
    ASSERT_EQ (names.size(), 602);
    EXPECT_EQ (names[0], "PresetInformation.xml");
    EXPECT_EQ (names[1], "Prog_000.prog_bin");
    EXPECT_EQ (names[600], "Prog_299.prog_info");
    EXPECT_EQ (names[601], "FileInformation.xml");

    auto read = std::make_unique<xTV200_data::PresetData>();
    ASSERT_EQ (xTV200_file::PresetFileReader (*read).read (file), ReadResult::noError);
    EXPECT_EQ (read->getInformation(), makeInformation());
    EXPECT_EQ (*read, *written);
}

TEST_F (ProgramAndPresetFileTest, PresetFileWith299ProgramsLeavesTheLastOneReset)
{
    Entries entries{Fixtures::presetEntry()};
    Fixtures::addPrograms (entries, 299);

    auto read = std::make_unique<xTV200_data::PresetData>();
    read->getProgram (299) = test::makeDistinctProgram (5);
    read->getInformation().name = "old";

    ASSERT_EQ (xTV200_file::PresetFileReader (*read).read (
                   fileWith (archiveWith (entries, Fixtures::presetItem() + Fixtures::programItems (299)))),
               ReadResult::noError);
    EXPECT_EQ (read->getProgram (298).getInformation().programmer, "P298");
    EXPECT_EQ (read->getProgram (299), xTV200_data::ProgramData());
    EXPECT_EQ (read->getInformation().dataID, "ID-1");
    EXPECT_EQ (read->getInformation().name, "") << "a field the file lacks is reset, not kept";
}

TEST_F (ProgramAndPresetFileTest, PresetFileReaderRefusesALibraryAndKeepsItsRecord)
{
    Entries entries{Fixtures::favoriteEntry()};
    Fixtures::addPrograms (entries, 3);

    auto preset = std::make_unique<xTV200_data::PresetData>();
    preset->getInformation() = makeInformation();

    EXPECT_EQ (xTV200_file::PresetFileReader (*preset).read (
                   fileWith (archiveWith (entries, Fixtures::favoriteItem() + Fixtures::programItems (3)))),
               ReadResult::presetInformationMissing);
    EXPECT_EQ (preset->getInformation(), makeInformation());
}
} // namespace
