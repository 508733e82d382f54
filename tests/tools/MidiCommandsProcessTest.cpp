#include "CommandLineToolTestSupport.h"

#include "file/LibraryFileReader.h"
#include "midi/emulator/EmulatorMemory.h"

#include <sys/stat.h>

namespace
{
struct ProcessRun
{
    bool finished = false;
    juce::uint32 exitCode = 0;
    juce::String output;
};

/** Runs the real tool, its standard output and error together. */
ProcessRun runTool (juce::StringArray arguments)
{
    arguments.insert (0, TOLMVESK_CLI_PATH);
    juce::ChildProcess process;
    ProcessRun run;

    if (! process.start (arguments, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
        return run;

    run.output = process.readAllProcessOutput();
    run.finished = process.waitForProcessToFinish (60 * 1000);
    run.exitCode = process.getExitCode();
    return run;
}

juce::MemoryBlock bytesOf (const xTV200_data::ProgramData& program)
{
    return {program.getBytes(), static_cast<size_t> (xTV200_data::ProgramData::numBytes)};
}

xTV200_data::LibraryData readLibrary (const juce::File& file)
{
    xTV200_data::LibraryData library;
    EXPECT_EQ (xTV200_file::LibraryFileReader (library).read (file), 0) << file.getFullPathName();
    return library;
}

void expectFactoryPrograms (const xTV200_data::LibraryData& library, std::initializer_list<int> indices)
{
    const auto& factory = xTV200_midi::EmulatorMemory::getFactoryPrograms();
    for (const auto index : indices)
        EXPECT_EQ (bytesOf (library.getProgram (index)), factory[static_cast<size_t> (index)])
            << "program " << index;
}

class MidiCommandsProcessTest : public test::ToolFilesTest
{
};

TEST_F (MidiCommandsProcessTest, ReceivesTheEmulatedSynthesizersLibrary)
{
    const auto target = path ("Received.tvlib");
    const auto run = runTool ({"receive", target.getFullPathName(), "--virtual-synth"});
    ASSERT_TRUE (run.finished);
    EXPECT_EQ (run.exitCode, 0u) << run.output;
    EXPECT_TRUE (run.output.contains ("100% Receiving all data from the TolmVESK...")) << run.output;

    const auto received = readLibrary (target);
    expectFactoryPrograms (received, {0, 1, 150, 298, 299});
    EXPECT_EQ (received.getFavorites().getValue (0, 0), 0);
    EXPECT_EQ (received.getFavorites().getValue (5, 7), 47);
}

TEST_F (MidiCommandsProcessTest, ReceivingListedProgramsUpdatesAnExistingLibrary)
{
    const auto target = writeLibrary();
    const auto run =
        runTool ({"receive", target.getFullPathName(), "--programs", "2,5-6", "--virtual-synth"});
    ASSERT_EQ (run.exitCode, 0u) << run.output;

    const auto updated = readLibrary (target);
    expectFactoryPrograms (updated, {1, 4, 5});
    EXPECT_EQ (updated.getProgram (0), library.getProgram (0)) << "a program not listed stays";
    EXPECT_EQ (updated.getProgram (299), library.getProgram (299));
    EXPECT_EQ (updated.getFavorites(), library.getFavorites());
}

TEST_F (MidiCommandsProcessTest, FailuresEndWithTheirCodeAndTexts)
{
    const auto source = writeLibrary();

    struct Case
    {
        juce::StringArray arguments;
        juce::uint32 exitCode;
        const char* expected;
    };

    const Case cases[]{
        {{"write", source.getFullPathName(), "--virtual-synth", "--fail-nak-write", "2"},
         3,
         "error: 6 Error occurred while writing data.\nPlease make sure the Write Protect setting of the "
         "TolmVESK is OFF."},
        {{"receive", path ("Other.tvlib").getFullPathName(), "--virtual-synth", "--fail-other-maker"},
         3,
         "error: 4 The connected MIDI device is not a TolmVESK.\nPlease check the MIDI port settings."},
        {{"send", source.getFullPathName(), "301", "--virtual-synth"},
         1,
         "the program number must be 1 to 300"},
        {{"receive", path ("X.tvlib").getFullPathName(), "--channel", "3"}, 1, "need --virtual-synth"},
        {{"receive", path ("X.tvlib").getFullPathName(), "--programs", "9-5", "--virtual-synth"},
         1,
         "--programs"},
    };

    for (const auto& c : cases)
    {
        const auto run = runTool (c.arguments);
        EXPECT_EQ (run.exitCode, c.exitCode) << c.arguments.joinIntoString (" ") << "\n" << run.output;
        EXPECT_TRUE (run.output.contains (c.expected)) << run.output;
    }

    EXPECT_FALSE (path ("Other.tvlib").exists()) << "a failed receive writes nothing";
}

TEST_F (MidiCommandsProcessTest, SendsAProgramToTheCurrentProgram)
{
    const auto run = runTool ({"send", writeLibrary().getFullPathName(), "2", "--virtual-synth"});
    EXPECT_EQ (run.exitCode, 0u) << run.output;
    EXPECT_TRUE (run.output.contains ("Sent Fat Bass")) << run.output;
}

TEST_F (MidiCommandsProcessTest, ListsThePortsOrSaysWhyThereAreNone)
{
    const auto virtualRun = runTool ({"ports", "--virtual-synth"});
    EXPECT_EQ (virtualRun.exitCode, 0u);
    EXPECT_TRUE (virtualRun.output.contains ("TolmVESK Emulator  [synthesizer]")) << virtualRun.output;

    const auto systemRun = runTool ({"ports"});

    if (juce::File ("/dev/snd/seq").exists())
    {
        EXPECT_EQ (systemRun.exitCode, 0u) << systemRun.output;
    }
    else
    {
        EXPECT_EQ (systemRun.exitCode, 3u);
        EXPECT_TRUE (systemRun.output.contains ("error: 2 ALSA sequencer is not available"))
            << systemRun.output;
    }
}

TEST_F (MidiCommandsProcessTest, ALibraryRoundTripsThroughAnEmulatorInAnotherProcess)
{
    const auto toSynth = path ("to-synth");
    const auto fromSynth = path ("from-synth");
    ASSERT_EQ (mkfifo (toSynth.getFullPathName().toRawUTF8(), 0600), 0);
    ASSERT_EQ (mkfifo (fromSynth.getFullPathName().toRawUTF8(), 0600), 0);

    juce::ChildProcess emulator;
    ASSERT_TRUE (emulator.start (juce::StringArray{TOLMVESK_CLI_PATH, "emulate", "--in-stream",
                                                   toSynth.getFullPathName(), "--out-stream",
                                                   fromSynth.getFullPathName()},
                                 0));

    const auto streams = juce::StringArray{"--in-stream", fromSynth.getFullPathName(), "--out-stream",
                                           toSynth.getFullPathName()};
    auto write = juce::StringArray{"write", writeLibrary().getFullPathName()};
    write.addArray (streams);
    const auto written = runTool (write);
    EXPECT_EQ (written.exitCode, 0u) << written.output;

    auto receive = juce::StringArray{"receive", path ("Back.tvlib").getFullPathName()};
    receive.addArray (streams);
    const auto received = runTool (receive);
    EXPECT_EQ (received.exitCode, 0u) << received.output;
    emulator.kill();

    const auto back = readLibrary (path ("Back.tvlib"));
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ (bytesOf (back.getProgram (i)), bytesOf (library.getProgram (i))) << "program " << i;
    EXPECT_EQ (back.getFavorites(), library.getFavorites());
}
} // namespace
