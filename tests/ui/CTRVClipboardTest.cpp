#include "app/LibraryEditProcessor.h"
#include "data/DataCenter.h"
#include "support/FreshSingletons.h"
#include "ui/CTRVClipboard.h"
#include "ui/SystemProgramClipboard.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>
#include <iostream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
constexpr const char* childVariable = "TOLMVESK_CLIPBOARD_CHILD";
const juce::String programFormat = application::ProgramClipboard::formatName;

juce::MemoryBlock knownProgramBytes()
{
    xTV200_data::ProgramData program;
    program.setByte (0, 0x5a);
    program.setByte (100, 0x21);
    program.getInformation().comment = "carried between processes";
    data::SerializedData out;
    program.serialize (out);
    return out.getBytes();
}

/** A second process of this binary that owns the clipboard with the known
    program until its stdin closes. */
class ServingChild final
{
public:
    ServingChild()
    {
        int toChild[2], fromChild[2];
        if (pipe (toChild) != 0 || pipe (fromChild) != 0)
            return;

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init (&actions);
        posix_spawn_file_actions_adddup2 (&actions, toChild[0], 0);
        posix_spawn_file_actions_adddup2 (&actions, fromChild[1], 1);
        posix_spawn_file_actions_addclose (&actions, toChild[1]);
        posix_spawn_file_actions_addclose (&actions, fromChild[0]);

        const auto self = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();
        std::string filter = "--gtest_filter=CTRVClipboardChild.ServesProgramUntilStdinCloses";
        char* argv[] { const_cast<char*> (self.toRawUTF8()), filter.data(), nullptr };
        setenv (childVariable, "1", 1);
        posix_spawn (&pid, self.toRawUTF8(), &actions, nullptr, argv, environ);
        unsetenv (childVariable);
        posix_spawn_file_actions_destroy (&actions);

        close (toChild[0]);
        close (fromChild[1]);
        input = toChild[1];
        output = fromChild[0];
    }

    ~ServingChild()
    {
        close (input);
        close (output);
        if (pid > 0)
        {
            kill (pid, SIGKILL);
            waitpid (pid, nullptr, 0);
        }
    }

    /** Reads the child's output until "ready" shows, for at most 20 s. */
    bool waitUntilReady()
    {
        std::string seen;
        pollfd fd { output, POLLIN, 0 };
        while (seen.find ("ready") == std::string::npos)
        {
            if (poll (&fd, 1, 20000) <= 0)
                return false;
            char buffer[256];
            const auto count = read (output, buffer, sizeof (buffer));
            if (count <= 0)
                return false;
            seen.append (buffer, static_cast<size_t> (count));
        }
        return true;
    }

private:
    pid_t pid = -1;
    int input = -1, output = -1;
};
} // namespace

class CTRVClipboardTest : public test::FreshSingletons
{
};

TEST_F (CTRVClipboardTest, OwnDataRoundTripsUntilTextTakesTheClipboard)
{
    auto& clipboard = *CTRVClipboard::getInstance();
    const auto bytes = knownProgramBytes();

    ASSERT_TRUE (clipboard.setData (bytes, programFormat));
    EXPECT_TRUE (clipboard.hasData (programFormat));
    juce::MemoryBlock read;
    ASSERT_TRUE (clipboard.getData (programFormat, read));
    EXPECT_EQ (read, bytes);
    EXPECT_FALSE (clipboard.hasData ("TEXT"));  // our bytes are not text either

    juce::SystemClipboard::copyTextToClipboard ("abc");
    // Reading it back is a round trip on the framework's connection, which
    // sends its ownership request to the server before we ask.
    EXPECT_EQ (juce::SystemClipboard::getTextFromClipboard(), "abc");

    EXPECT_FALSE (clipboard.hasData (programFormat));
    juce::MemoryBlock afterText;
    EXPECT_FALSE (clipboard.getData (programFormat, afterText));
    EXPECT_TRUE (afterText.isEmpty());
}

TEST_F (CTRVClipboardTest, RefusesDataLargerThanOneProperty)
{
    juce::MemoryBlock huge (64 * 1024 * 1024, true);
    EXPECT_FALSE (CTRVClipboard::getInstance()->setData (huge, programFormat));
}

TEST_F (CTRVClipboardTest, WithoutADisplayEveryCallIsFalse)
{
    CTRVClipboard clipboard (":987");
    juce::MemoryBlock bytes;
    EXPECT_EQ (clipboard.getFormat (programFormat), 0u);
    EXPECT_FALSE (clipboard.setData (knownProgramBytes(), programFormat));
    EXPECT_FALSE (clipboard.hasData (programFormat));
    EXPECT_FALSE (clipboard.getData (programFormat, bytes));
}

TEST_F (CTRVClipboardTest, ReadsAndPastesAProgramCopiedInAnotherProcess)
{
    ServingChild child;
    ASSERT_TRUE (child.waitUntilReady());

    juce::MemoryBlock read;
    ASSERT_TRUE (CTRVClipboard::getInstance()->getData (programFormat, read));
    EXPECT_EQ (read, knownProgramBytes());

    xTV200_ui::SystemProgramClipboard system;
    ASSERT_TRUE (system.hasProgramData());
    xTV200_application::LibraryEditProcessor processor;
    ASSERT_TRUE (processor.paste ({ 4 }, system));

    xTV200_data::ProgramData expected;
    ASSERT_TRUE (expected.deserialize (data::SerializedData (knownProgramBytes())));
    EXPECT_EQ (xTV200_data::DataCenter::getInstance()->getLibrary().getProgram (4), expected);
}

// Runs only as the second process of the test above.
TEST (CTRVClipboardChild, ServesProgramUntilStdinCloses)
{
    if (std::getenv (childVariable) == nullptr)
        GTEST_SKIP() << "helper process only";

    ASSERT_TRUE (CTRVClipboard::getInstance()->setData (knownProgramBytes(), programFormat));
    std::cout << "ready" << std::endl;
    char ignored;
    while (read (0, &ignored, 1) > 0) {}
}
