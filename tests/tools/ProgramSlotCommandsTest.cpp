#include "CommandLineToolTestSupport.h"
#include "data/ParameterListing.h"
#include "file/LibraryFileReader.h"
#include "file/ProgramFileReader.h"

namespace
{
using test::runTool;

class ProgramSlotCommandsTest : public test::ToolFilesTest
{
protected:
    xTV200_data::ProgramData readProgram (const juce::File& file)
    {
        xTV200_data::ProgramData read;
        EXPECT_EQ (xTV200_file::ProgramFileReader (read).read (file), 0);
        return read;
    }
};

TEST_F (ProgramSlotCommandsTest, ExtractWritesTheNumberedProgramWithItsTexts)
{
    const auto output = path ("Bass.tvprog");
    const auto run = runTool ({"extract", writeLibrary().getFullPathName(), "2", output.getFullPathName()});
    ASSERT_EQ (run.status, 0) << run.err;
    EXPECT_TRUE (run.err.empty());
    EXPECT_EQ (readProgram (output), library.getProgram (1));

    const auto fromPreset = path ("Organ.tvprog");
    ASSERT_EQ (
        runTool ({"extract", writePreset().getFullPathName(), "6", fromPreset.getFullPathName()}).status, 0);
    EXPECT_EQ (readProgram (fromPreset), preset.getProgram (5));
}

TEST_F (ProgramSlotCommandsTest, InsertReplacesOneSlotAndKeepsEverythingElse)
{
    const auto lib = writeLibrary();
    const auto run = runTool ({"insert", lib.getFullPathName(), "300", writeProgram().getFullPathName()});
    ASSERT_EQ (run.status, 0) << run.err;
    EXPECT_TRUE (run.err.empty());

    xTV200_data::LibraryData changed;
    ASSERT_EQ (xTV200_file::LibraryFileReader (changed).read (lib), 0);
    auto expected = library;
    expected.getProgram (299) = program;
    EXPECT_TRUE (changed == expected);
    EXPECT_EQ (changed.getProgram (299).getInformation().comment, "bright");
}

TEST_F (ProgramSlotCommandsTest, FailedInsertLeavesTheLibraryFileAsItWas)
{
    const auto lib = writeLibrary();
    juce::MemoryBlock before;
    ASSERT_TRUE (lib.loadFileAsData (before));

    const auto notAProgram = path ("Empty.tvprog");
    ASSERT_TRUE (notAProgram.replaceWithText (""));

    for (const auto& programFile : {path ("Missing.tvprog"), notAProgram})
    {
        const auto run = runTool ({"insert", lib.getFullPathName(), "1", programFile.getFullPathName()});
        EXPECT_EQ (run.status, 2);
        EXPECT_EQ (run.err, "error: 6 The file is not supported format file.\n");
    }

    const auto missingLibrary =
        runTool ({"insert", path ("None.tvlib").getFullPathName(), "1", writeProgram().getFullPathName()});
    EXPECT_EQ (missingLibrary.status, 2);
    EXPECT_FALSE (path ("None.tvlib").exists());

    juce::MemoryBlock after;
    ASSERT_TRUE (lib.loadFileAsData (after));
    EXPECT_EQ (after, before);
}

TEST_F (ProgramSlotCommandsTest, ParamsListsEveryParameterOfTheNumberedProgram)
{
    const auto run = runTool ({"params", writeLibrary().getFullPathName(), "2"});
    ASSERT_EQ (run.status, 0) << run.err;

    const auto lines = test::linesOf (run.out);
    const auto expected = xTV200_data::listProgramParameters ({library.getProgram (1).getBytes(), 320});
    ASSERT_EQ (lines.size(), static_cast<int> (expected.size()) + 1);
    EXPECT_EQ (lines[0], "Group\tIndex\tSection\tName\tValue\tText\tState");
    EXPECT_TRUE (lines[1].startsWith ("0\t0\t") && lines[1].endsWith ("\tProgram Name 1\t70\tF\tactive"))
        << lines[1];
    EXPECT_TRUE (lines[13].startsWith ("0\t12\t") && lines[13].endsWith ("\tCategory\t2\tBass\tactive"))
        << lines[13];

    for (size_t row = 0; row < expected.size(); ++row)
    {
        const auto cells = juce::StringArray::fromTokens (lines[static_cast<int> (row) + 1], "\t", "");
        ASSERT_EQ (cells.size(), 7) << lines[static_cast<int> (row) + 1];
        EXPECT_EQ (cells[0].getIntValue(), expected[row].id.group);
        EXPECT_EQ (cells[1].getIntValue(), expected[row].id.index);
        EXPECT_EQ (cells[5], expected[row].text);
    }
}

TEST_F (ProgramSlotCommandsTest, ParamsOfAProgramFileTakesOnlyNumberOne)
{
    const auto prog = writeProgram().getFullPathName();
    const auto run = runTool ({"params", prog, "1"});
    ASSERT_EQ (run.status, 0) << run.err;
    EXPECT_NE (run.out.find ("\tCategory\t3\tBrass\tactive\n"), std::string::npos);

    const auto second = runTool ({"params", prog, "2"});
    EXPECT_EQ (second.status, 1);
    EXPECT_NE (second.err.find ("program number must be 1 to 1,"), std::string::npos) << second.err;
}
} // namespace
