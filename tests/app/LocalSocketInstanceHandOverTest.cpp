#include "app/LocalSocketInstanceHandOver.h"
#include "app/InstanceHandOverMessage.h"
#include "app/InstanceLock.h"
#include "app/LocalSocket.h"
#include "app/PreferencesData.h"
#include "support/MessageLoop.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <sys/un.h>

using application::InstanceHandOverMessage;
using application::LocalSocket;
using application::LocalSocketInstanceHandOver;
using namespace std::chrono_literals;

namespace
{
class RecordingReceiver final : public application::InstanceHandOver::Receiver
{
public:
    void anotherInstanceStarted (const juce::String& commandLine) override
    {
        received.add (commandLine);
        allOnMessageThread =
            allOnMessageThread && juce::MessageManager::getInstance()->isThisTheMessageThread();
    }

    juce::StringArray received;
    bool allOnMessageThread = true;
};

class LocalSocketInstanceHandOverTest : public testing::Test
{
protected:
    bool waitForCommandLines (int count)
    {
        return test::runMessageLoopUntil ([this, count] { return receiver.received.size() >= count; });
    }

    /** A later start in the same folder: it must not become primary, and the
        running instance must take its command line. */
    void handOver (const juce::File& place, const juce::String& commandLine)
    {
        RecordingReceiver unused;
        LocalSocketInstanceHandOver later (place);
        EXPECT_FALSE (later.becomePrimary (unused));
        EXPECT_TRUE (later.sendToPrimary (commandLine));
    }

    static LocalSocket::Clock::time_point inTwoSeconds() { return LocalSocket::Clock::now() + 2s; }

    test::TemporaryFolder folder;
    RecordingReceiver receiver;
};

/** Big enough that writing it takes several rounds through the socket buffer. */
juce::String makeLongCommandLine()
{
    juce::StringArray files;
    for (int i = 0; i < 20000; ++i)
        files.add ("\"/home/user/Kl" + juce::String (juce::CharPointer_UTF8 ("\xc3\xa4")) + "nge " +
                   juce::String (i) + ".tvprog\"");
    return files.joinIntoString (" ");
}

/** Removes a socket file that the test made itself before its folder goes. */
struct RemovedAtEnd
{
    ~RemovedAtEnd() { LocalSocket::remove (socketFile); }
    const juce::File socketFile;
};

juce::MemoryBlock makeFrame (const std::string& text, juce::uint32 length)
{
    const juce::uint8 header[] = {static_cast<juce::uint8> (length >> 24),
                                  static_cast<juce::uint8> (length >> 16),
                                  static_cast<juce::uint8> (length >> 8), static_cast<juce::uint8> (length)};
    juce::MemoryBlock frame (header, sizeof (header));
    frame.append (text.data(), text.size());
    return frame;
}

juce::MemoryBlock makeFrame (const std::string& text)
{
    return makeFrame (text, static_cast<juce::uint32> (text.size()));
}
} // namespace

TEST_F (LocalSocketInstanceHandOverTest, LaterStartsHandTheirCommandLinesToTheFirstExactly)
{
    // The long folder makes the socket's path too long for a socket address.
    const auto longFolder =
        folder.getChildFile (juce::String::repeatedString ("a rather long folder name ", 6));
    ASSERT_GE (LocalSocketInstanceHandOver (longFolder).getSocketFile().getFullPathName().getNumBytesAsUTF8(),
               sizeof (sockaddr_un::sun_path));
    const juce::StringArray commandLines{
        "",
        "-NS",
        "\"/home/user/My Library.tvlib\" second.tvprog",
        "  two  spaces  and a trailing quote\"",
        juce::CharPointer_UTF8 ("/home/j\xc3\xbcrgen/\xe9\x9f\xb3\xe8\x89\xb2 "
                                "\xe2\x98\x83 \xf0\x9f\x8e\xb9.tvlib"),
        makeLongCommandLine()};

    for (const auto& place : {folder.get(), longFolder})
    {
        SCOPED_TRACE (place.getFullPathName());
        receiver.received.clear();

        LocalSocketInstanceHandOver primary (place);
        ASSERT_TRUE (primary.becomePrimary (receiver));
        EXPECT_TRUE (primary.isPrimary());

        for (const auto& commandLine : commandLines)
            handOver (place, commandLine);

        ASSERT_TRUE (waitForCommandLines (commandLines.size()));
        EXPECT_EQ (receiver.received, commandLines);
        EXPECT_TRUE (receiver.allOnMessageThread);
    }
}

TEST_F (LocalSocketInstanceHandOverTest, AfterThePrimaryEndsANewObjectBecomesPrimary)
{
    {
        LocalSocketInstanceHandOver first (folder.get());
        ASSERT_TRUE (first.becomePrimary (receiver));
        EXPECT_TRUE (first.getSocketFile().exists());
    }

    LocalSocketInstanceHandOver nobodyListens (folder.get());
    EXPECT_FALSE (nobodyListens.getSocketFile().exists());
    EXPECT_FALSE (nobodyListens.sendToPrimary ("lost.tvlib"));

    LocalSocketInstanceHandOver second (folder.get());
    ASSERT_TRUE (second.becomePrimary (receiver));
    handOver (folder.get(), "found.tvlib");

    ASSERT_TRUE (waitForCommandLines (1));
    EXPECT_EQ (receiver.received, juce::StringArray ("found.tvlib"));
}

TEST_F (LocalSocketInstanceHandOverTest, LeftoversOfACrashedInstanceDoNotPreventBecomingPrimary)
{
    auto leaveStaleSocket = [] (const juce::File& socketFile)
    {
        juce::String error;
        EXPECT_TRUE (LocalSocket::listenAt (socketFile, error).isValid()) << error;
        EXPECT_FALSE (LocalSocket::connectTo (socketFile, inTwoSeconds()).isValid());
    };

    struct Case
    {
        const char* what;
        std::function<void (const juce::File& socketFile)> leave;
    };

    const Case cases[] = {
        {"a socket nobody listens on", leaveStaleSocket},
        {"a plain file", [] (const juce::File& socketFile) { socketFile.replaceWithText ("junk"); }},
        {"a half set-up socket",
         [leaveStaleSocket] (const juce::File& socketFile)
         {
             leaveStaleSocket (socketFile.getSiblingFile (socketFile.getFileName() + ".new"));
             socketFile.replaceWithText ("junk");
         }},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        test::TemporaryFolder place;
        receiver.received.clear();
        c.leave (LocalSocketInstanceHandOver (place.get()).getSocketFile());

        LocalSocketInstanceHandOver primary (place.get());
        ASSERT_TRUE (primary.becomePrimary (receiver));
        handOver (place.get(), "after the crash.tvlib");

        ASSERT_TRUE (waitForCommandLines (1));
        EXPECT_EQ (receiver.received, juce::StringArray ("after the crash.tvlib"));
    }
}

TEST_F (LocalSocketInstanceHandOverTest, MalformedMessagesAreRefusedAndIgnored)
{
    const std::string prefix = InstanceHandOverMessage::getPrefix().toStdString();

    struct Case
    {
        const char* what;
        juce::MemoryBlock frame;
    };

    const Case cases[] = {
        {"no prefix", makeFrame ("/home/user/file.tvlib")},
        {"another application's prefix", makeFrame ("Other Librarian/file.tvlib")},
        {"the name without the slash", makeFrame ("TolmVESK Sound Librarian file.tvlib")},
        {"nothing at all", makeFrame ("")},
        {"invalid UTF-8", makeFrame (prefix + "\xc3\x28.tvlib")},
        {"a zero byte", makeFrame (prefix + std::string ("cut\0here.tvlib", 14))},
        {"a length beyond the maximum", makeFrame (prefix, InstanceHandOverMessage::maximumTextSize + 1)},
        {"fewer bytes than announced", makeFrame (prefix + "short", 100)},
    };

    LocalSocketInstanceHandOver primary (folder.get(), {2s, 100ms});
    ASSERT_TRUE (primary.becomePrimary (receiver));

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto client = LocalSocket::connectTo (primary.getSocketFile(), inTwoSeconds());
        ASSERT_TRUE (client.isValid());
        EXPECT_TRUE (client.writeAll (c.frame.getData(), c.frame.getSize(), inTwoSeconds()));

        auto reply = InstanceHandOverMessage::refused;
        client.readExactly (&reply, sizeof (reply), inTwoSeconds());
        EXPECT_EQ (reply, InstanceHandOverMessage::refused);
    }

    // Delivered in order: had a malformed message got through, it would come first.
    handOver (folder.get(), "valid.tvlib");
    ASSERT_TRUE (waitForCommandLines (1));
    EXPECT_EQ (receiver.received, juce::StringArray ("valid.tvlib"));
}

TEST_F (LocalSocketInstanceHandOverTest, AStalledConnectionHoldsUpLaterStartsOnlyUntilItsTimeout)
{
    LocalSocketInstanceHandOver primary (folder.get(), {2s, 50ms});
    ASSERT_TRUE (primary.becomePrimary (receiver));

    auto silent = LocalSocket::connectTo (primary.getSocketFile(), inTwoSeconds());
    ASSERT_TRUE (silent.isValid());
    const juce::uint8 halfAHeader[] = {0, 0};
    ASSERT_TRUE (silent.writeAll (halfAHeader, sizeof (halfAHeader), inTwoSeconds()));

    handOver (folder.get(), "behind the stalled one.tvlib");
    ASSERT_TRUE (waitForCommandLines (1));
    EXPECT_EQ (receiver.received, juce::StringArray ("behind the stalled one.tvlib"));
}

TEST_F (LocalSocketInstanceHandOverTest, TheSenderGivesUpOnAPrimaryThatDoesNotAnswer)
{
    // A running instance that holds the lock and the socket but never takes a connection.
    LocalSocketInstanceHandOver place (folder.get());
    application::InstanceLock hungLock;
    ASSERT_EQ (hungLock.tryToAcquire (place.getLockFile()), application::InstanceLock::Result::acquired);
    juce::String error;
    const RemovedAtEnd removed{place.getSocketFile()};
    const auto hungSocket = LocalSocket::listenAt (place.getSocketFile(), error);
    ASSERT_TRUE (hungSocket.isValid()) << error;

    // The long one also fills the socket buffer, so that writing has to wait.
    for (const auto& commandLine : {juce::String ("short.tvlib"), makeLongCommandLine()})
    {
        LocalSocketInstanceHandOver later (folder.get(), {50ms, 2s});
        EXPECT_FALSE (later.becomePrimary (receiver));
        EXPECT_FALSE (later.sendToPrimary (commandLine));
    }
}

TEST_F (LocalSocketInstanceHandOverTest, StartsWithoutTheGuaranteeWhenNoLockCanBeMade)
{
    const auto blocker = folder.getChildFile ("a file, not a folder");
    ASSERT_TRUE (blocker.replaceWithText ("x"));
    const auto unusable = blocker.getChildFile ("instance");

    LocalSocketInstanceHandOver first (unusable);
    EXPECT_TRUE (first.becomePrimary (receiver));
    EXPECT_FALSE (first.isPrimary());

    LocalSocketInstanceHandOver second (unusable);
    EXPECT_TRUE (second.becomePrimary (receiver));
    EXPECT_FALSE (second.sendToPrimary ("nowhere.tvlib"));
}

TEST_F (LocalSocketInstanceHandOverTest, TheDefaultFolderIsTheRuntimeFolderWhenThereIsOne)
{
    const auto saved = juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {});
    const bool wasSet = std::getenv ("XDG_RUNTIME_DIR") != nullptr;
    const auto preferences = xTV200_preferences::PreferencesData::getPreferencesFolder();

    struct Case
    {
        const char* value; // nullptr: not set
        juce::File expected;
    };

    const auto absolute = folder.get().getFullPathName().toStdString();
    const auto missing = folder.getChildFile ("missing").getFullPathName().toStdString();
    const Case cases[] = {{absolute.c_str(), folder.get()},
                          {nullptr, preferences},
                          {"", preferences},
                          {"relative/folder", preferences},
                          {missing.c_str(), preferences}};

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.value != nullptr ? c.value : "(not set)");
        if (c.value != nullptr)
            setenv ("XDG_RUNTIME_DIR", c.value, 1);
        else
            unsetenv ("XDG_RUNTIME_DIR");

        EXPECT_EQ (LocalSocketInstanceHandOver::getDefaultFolder(), c.expected);
    }

    if (wasSet)
        setenv ("XDG_RUNTIME_DIR", saved.toRawUTF8(), 1);
    else
        unsetenv ("XDG_RUNTIME_DIR");
}
