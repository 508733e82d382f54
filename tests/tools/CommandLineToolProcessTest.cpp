#include "CommandLineToolTestSupport.h"

namespace
{
/** What the real tool printed on one of its streams, and its exit code. */
struct ProcessRun
{
    bool finished = false;
    juce::uint32 exitCode = 0;
    juce::String output;
};

ProcessRun runProcess (juce::StringArray arguments, int streamFlags)
{
    arguments.insert (0, TOLMVESK_CLI_PATH);
    juce::ChildProcess process;
    ProcessRun run;

    if (! process.start (arguments, streamFlags))
        return run;

    run.output = process.readAllProcessOutput();
    run.finished = process.waitForProcessToFinish (60 * 1000);
    run.exitCode = process.getExitCode();
    return run;
}

class CommandLineToolProcessTest : public test::ToolFilesTest
{
};

TEST_F (CommandLineToolProcessTest, JsonOnStandardOutputParses)
{
    const auto run =
        runProcess ({"info", writeLibrary().getFullPathName(), "--json"}, juce::ChildProcess::wantStdOut);
    ASSERT_TRUE (run.finished);
    EXPECT_EQ (run.exitCode, 0u);

    juce::var document;
    ASSERT_TRUE (juce::JSON::parse (run.output, document).wasOk()) << run.output;
    EXPECT_EQ (document["programs"][1]["name"].toString(), "Fat Bass    ");
}

TEST_F (CommandLineToolProcessTest, ReadErrorIsExitTwoAndOneLineOnStandardError)
{
    const auto run =
        runProcess ({"info", path ("Missing.tvprog").getFullPathName()}, juce::ChildProcess::wantStdErr);
    ASSERT_TRUE (run.finished);
    EXPECT_EQ (run.exitCode, 2u);
    EXPECT_EQ (run.output, "error: 6 The file is not supported format file.\n");
}

TEST_F (CommandLineToolProcessTest, WrongCommandLineExitsOne)
{
    const auto run =
        runProcess ({"extract", writeLibrary().getFullPathName(), "301", path ("x.tvprog").getFullPathName()},
                    juce::ChildProcess::wantStdErr);
    ASSERT_TRUE (run.finished);
    EXPECT_EQ (run.exitCode, 1u);
    EXPECT_TRUE (run.output.contains ("Usage: tolmvesk"));

    const auto version = runProcess ({"--version"}, juce::ChildProcess::wantStdOut);
    ASSERT_TRUE (version.finished);
    EXPECT_EQ (version.exitCode, 0u);
    EXPECT_EQ (version.output, "tolmvesk (TolmVESK Sound Librarian) 1.0.0.28\n");
}
} // namespace
