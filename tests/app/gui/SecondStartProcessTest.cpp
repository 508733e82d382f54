#include "app/LocalSocketInstanceHandOver.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "data/PresetData.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileManager.h"
#include "file/PresetFileWriter.h"
#include "support/FreshSingletons.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
/** Waits for something another process does, looking again every 50 ms,
    for at most the given time. */
bool waitFor (const std::function<bool()>& condition, int milliseconds)
{
    const auto deadline = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (milliseconds);

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > deadline)
            return false;
        juce::Thread::sleep (50);
    }
    return true;
}

/** Points the runtime folder (where the running librarian listens) at a
    private folder while it lives, so that no other librarian takes part. */
class ScopedRuntimeFolder final
{
public:
    explicit ScopedRuntimeFolder (const juce::File& folder)
        : previous (juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {}))
    {
        folder.createDirectory();
        setenv ("XDG_RUNTIME_DIR", folder.getFullPathName().toRawUTF8(), 1);
    }

    ~ScopedRuntimeFolder()
    {
        if (previous.isEmpty())
            unsetenv ("XDG_RUNTIME_DIR");
        else
            setenv ("XDG_RUNTIME_DIR", previous.toRawUTF8(), 1);
    }

private:
    juce::String previous;
};

/** The real librarian, started twice: the second start hands its command
    line to the first and ends; the first installs the preset bundle the
    command line named, which is what this test can see from outside. */
class SecondStartProcessTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();

        // No library is received at start-up, so no communication window is
        // open when the command line arrives (it would be ignored then).
        auto* preferences = xTV200_preferences::PreferencesData::getInstance();
        preferences->setBool (xTV200_preferences::PreferenceKeys::AutoReceive, false);
        ASSERT_TRUE (preferences->save());
    }

    void TearDown() override
    {
        if (first.isRunning())
            first.kill();
        FreshSingletons::TearDown();
    }

    juce::File writePresetFile (const juce::String& dataID)
    {
        xTV200_data::PresetData preset;
        preset.getInformation().dataID = dataID;
        preset.getInformation().name = "Handed over";
        preset.getInformation().version = 1;
        const auto file = folder.getChildFile ("Handed Over.tvpreset");
        EXPECT_EQ (xTV200_file::PresetFileWriter (preset).write (file), file::WriteResult::noError);
        return file;
    }

    static juce::File indexFile()
    {
        return xTV200_preferences::PreferencesData::getPreferencesFolder()
            .getChildFile ("Preset Data")
            .getChildFile (xTV200_file::PresetFileManager::indexFileName);
    }

    test::TemporaryFolder folder;
    ScopedRuntimeFolder runtimeFolder{folder.getChildFile ("run")};
    juce::ChildProcess first;
};

TEST_F (SecondStartProcessTest, ASecondStartHandsItsCommandLineToTheRunningLibrarianAndEndsWithZero)
{
    const auto preset = writePresetFile ("HandOverCheck");
    const auto socket =
        application::LocalSocketInstanceHandOver (application::LocalSocketInstanceHandOver::getDefaultFolder())
            .getSocketFile();

    ASSERT_TRUE (first.start (juce::StringArray { TOLMVESK_LIBRARIAN_PATH, "--virtual-synth" }, 0));
    ASSERT_TRUE (waitFor ([&] { return socket.exists(); }, 30000)) << "the first start never listened";
    ASSERT_TRUE (waitFor ([&] { return indexFile().existsAsFile(); }, 30000)) << "the factory bundle was not installed";
    ASSERT_FALSE (indexFile().loadFileAsString().contains ("HandOverCheck"));

    juce::ChildProcess second;
    ASSERT_TRUE (second.start (juce::StringArray { TOLMVESK_LIBRARIAN_PATH, "-NS", preset.getFullPathName() }, 0));
    ASSERT_TRUE (second.waitForProcessToFinish (30000)) << "the second start did not end";
    EXPECT_EQ (second.getExitCode(), 0u);

    EXPECT_TRUE (waitFor ([&] { return indexFile().loadFileAsString().contains ("HandOverCheck"); }, 30000))
        << indexFile().loadFileAsString();
    EXPECT_TRUE (first.isRunning()) << "the first start must go on running";
}
} // namespace
