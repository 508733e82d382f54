#include "CommandLineToolTestSupport.h"

namespace
{
using test::runTool;

class CommandLineToolTest : public test::ToolFilesTest
{
};

TEST (CommandLineTool, HelpPrintsTheUsageOnStandardOutput)
{
    const auto run = runTool ({"--help"});
    EXPECT_EQ (run.status, 0);
    EXPECT_NE (run.out.find ("Usage: tolmvesk info FILE [--json]"), std::string::npos);
    EXPECT_NE (run.out.find ("tolmvesk params FILE NUMBER"), std::string::npos);
    EXPECT_TRUE (run.err.empty());
}

TEST (CommandLineTool, VersionNamesTheApplicationVersion)
{
    const auto run = runTool ({"--version"});
    EXPECT_EQ (run.status, 0);
    EXPECT_EQ (run.out, "tolmvesk (TolmVESK Sound Librarian) 1.0.0.28\n");
    EXPECT_TRUE (run.err.empty());
}

TEST_F (CommandLineToolTest, WrongCommandLinesExitOneWithTheUsageOnStandardError)
{
    const auto lib = writeLibrary().getFullPathName();
    const auto prog = writeProgram().getFullPathName();
    const auto out = path ("Out.tvprog").getFullPathName();

    const std::vector<juce::StringArray> cases = {
        {},
        {"bogus"},
        {"INFO", lib},
        {"info"},
        {"info", lib, lib},
        {"info", lib, "--verbose"},
        {"info", path ("Notes.txt").getFullPathName()},
        {"convert", lib},
        {"convert", lib, out, out},
        {"extract", lib, "1"},
        {"extract", lib, "1", out, out},
        {"extract", prog, "1", out},
        {"extract", lib, "1", path ("Out.tvlib").getFullPathName()},
        {"insert", lib, "1"},
        {"insert", writePreset().getFullPathName(), "1", prog},
        {"insert", lib, "1", lib},
        {"params", lib},
        {"params", lib, "1", "2"},
    };

    for (const auto& arguments : cases)
    {
        SCOPED_TRACE (arguments.joinIntoString (" "));
        const auto run = runTool (arguments);
        EXPECT_EQ (run.status, 1);
        EXPECT_EQ (run.err.rfind ("tolmvesk: ", 0), 0u) << run.err;
        EXPECT_NE (run.err.find ("Usage: tolmvesk"), std::string::npos);
        EXPECT_TRUE (run.out.empty());
    }

    EXPECT_FALSE (path ("Out.tvprog").exists());
}

TEST_F (CommandLineToolTest, ProgramNumbersOutsideOneToThreeHundredAreWrongCommandLines)
{
    const auto lib = writeLibrary();
    const auto before = test::linesOf (runTool ({"info", lib.getFullPathName()}).out);
    const auto prog = writeProgram().getFullPathName();
    const auto out = path ("Out.tvprog").getFullPathName();

    for (const auto* number : {"0", "000", "301", "-1", "+1", "1.5", " 1", "1 ", "", "x", "0x10",
                               "4294967297", "99999999999999999999"})
    {
        SCOPED_TRACE (number);

        for (const auto& arguments : {juce::StringArray{"extract", lib.getFullPathName(), number, out},
                                      juce::StringArray{"insert", lib.getFullPathName(), number, prog},
                                      juce::StringArray{"params", lib.getFullPathName(), number}})
        {
            const auto run = runTool (arguments);
            EXPECT_EQ (run.status, 1) << arguments[0];
            EXPECT_NE (run.err.find ("program number must be 1 to 300"), std::string::npos) << run.err;
        }
    }

    EXPECT_FALSE (path ("Out.tvprog").exists());
    EXPECT_EQ (test::linesOf (runTool ({"info", lib.getFullPathName()}).out), before);
}

TEST_F (CommandLineToolTest, ProgramNumbersMayHaveLeadingZeros)
{
    const auto lib = writeLibrary().getFullPathName();

    for (const auto* number : {"1", "001", "0300", "300"})
    {
        SCOPED_TRACE (number);
        EXPECT_EQ (runTool ({"params", lib, number}).status, 0);
    }
}
} // namespace
