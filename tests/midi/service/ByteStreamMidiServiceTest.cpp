#include "midi/service/ByteStreamMidiService.h"

#include "midi/service/CollectingMidiInputHandler.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using midi::ByteStreamMidiService;
using test::CollectingMidiInputHandler;
using Bytes = CollectingMidiInputHandler::Bytes;

namespace
{
constexpr int deadlockLimitMs = 5000;

Bytes sysExOfSize (size_t totalSize)
{
    Bytes message (totalSize);
    message.front() = 0xf0;

    for (size_t i = 1; i + 1 < totalSize; ++i)
        message[i] = static_cast<juce::uint8> ((i * 7) & 0x7f);

    message.back() = 0xf7;
    return message;
}

bool send (midi::MidiOutputConnection& output, const Bytes& bytes)
{
    return output.send (bytes.data(), static_cast<int> (bytes.size()));
}

/** One program's end of a pair of crossed FIFOs. */
struct Peer
{
    Peer (const juce::String& inputPath, const juce::String& outputPath)
        : service (inputPath, outputPath)
    {
    }

    void openInput()
    {
        juce::String error;
        input = service.openInput (0, handler, error);
        EXPECT_NE (input, nullptr) << error;
    }

    void openOutput()
    {
        juce::String error;
        output = service.openOutput (0, error);
        EXPECT_NE (output, nullptr) << error;
    }

    ByteStreamMidiService service;
    CollectingMidiInputHandler handler;
    std::unique_ptr<midi::MidiInputConnection> input;
    std::unique_ptr<midi::MidiOutputConnection> output;
};

class ByteStreamMidiServiceTest : public ::testing::Test
{
protected:
    juce::String makeFifo (const char* name) const
    {
        const auto path = folder.getChildFile (name).getFullPathName();
        EXPECT_EQ (::mkfifo (path.toRawUTF8(), 0600), 0) << std::strerror (errno);
        return path;
    }

    /** Runs open, failing the test instead of hanging when it blocks: after
        the limit the FIFOs get a reader and a writer, which frees any open()
        that waits for one. */
    void openWithoutBlocking (const std::function<void()>& open) const
    {
        juce::WaitableEvent done;
        std::thread opener (
            [&]
            {
                open();
                done.signal();
            });

        std::vector<int> unblockers;

        if (! done.wait (deadlockLimitMs))
        {
            ADD_FAILURE() << "opening blocked";

            for (const auto& fifo : {fifoOne, fifoTwo})
                unblockers.push_back (::open (fifo.toRawUTF8(), O_RDWR | O_NONBLOCK));
        }

        opener.join();

        for (auto fd : unblockers)
            ::close (fd);
    }

    void openInput (Peer& peer) const
    {
        openWithoutBlocking ([&] { peer.openInput(); });
    }

    void openOutput (Peer& peer) const
    {
        openWithoutBlocking ([&] { peer.openOutput(); });
    }

    test::TemporaryFolder folder;
    const juce::String fifoOne = makeFifo ("one"), fifoTwo = makeFifo ("two");
};

enum class Step
{
    openInputA,
    openOutputA,
    openInputB,
    openOutputB
};

struct OpeningOrder
{
    const char* name;
    std::vector<Step> steps;
};

void PrintTo (const OpeningOrder& order, std::ostream* out)
{
    *out << order.name;
}

class ByteStreamOpeningOrderTest : public ByteStreamMidiServiceTest,
                                   public ::testing::WithParamInterface<OpeningOrder>
{
};

TEST_P (ByteStreamOpeningOrderTest, CrossedPeersOpenWithoutDeadlockAndTalkBothWays)
{
    // Like two programs: A reads fifoOne and writes fifoTwo, B the other way round.
    Peer a (fifoOne, fifoTwo), b (fifoTwo, fifoOne);

    for (auto step : GetParam().steps)
    {
        switch (step)
        {
        case Step::openInputA:
            openInput (a);
            break;
        case Step::openOutputA:
            openOutput (a);
            break;
        case Step::openInputB:
            openInput (b);
            break;
        case Step::openOutputB:
            openOutput (b);
            break;
        }
    }

    ASSERT_TRUE (a.input && a.output && b.input && b.output);

    const Bytes noteOn{0x90, 0x40, 0x7f}, noteOff{0x80, 0x40, 0x00};
    const Bytes request{0xf0, 0x41, 0x10, 0x12, 0xf7};

    ASSERT_TRUE (send (*a.output, noteOn));
    ASSERT_TRUE (send (*a.output, noteOff));
    ASSERT_TRUE (send (*b.output, request));

    EXPECT_EQ (b.handler.waitForBytes (6), (Bytes{0x90, 0x40, 0x7f, 0x80, 0x40, 0x00}));
    EXPECT_EQ (a.handler.waitForBytes (request.size()), request);
    EXPECT_FALSE (a.handler.wasCalledOnCreatingThread());
    EXPECT_FALSE (b.handler.wasCalledOnCreatingThread());
}

INSTANTIATE_TEST_SUITE_P (
    Orders, ByteStreamOpeningOrderTest,
    ::testing::Values (
        OpeningOrder{"OutputsBeforeAnyInput",
                     {Step::openOutputA, Step::openOutputB, Step::openInputA, Step::openInputB}},
        OpeningOrder{"FirstPeerCompletelyBeforeSecond",
                     {Step::openOutputA, Step::openInputA, Step::openOutputB, Step::openInputB}},
        OpeningOrder{"InputsBeforeAnyOutput",
                     {Step::openInputB, Step::openInputA, Step::openOutputB, Step::openOutputA}}),
    [] (const auto& testInfo) { return std::string (testInfo.param.name); });

TEST_F (ByteStreamMidiServiceTest, LargeSysExArrivesIntactAndInOrder)
{
    Peer a (fifoOne, fifoTwo), b (fifoTwo, fifoOne);
    openOutput (a);
    openInput (b);
    ASSERT_TRUE (a.output && b.input);

    // Far more than a pipe holds, so the writer has to wait for the reader.
    const auto message = sysExOfSize (300 * 1024);
    ASSERT_TRUE (send (*a.output, message));

    EXPECT_EQ (b.handler.waitForBytes (message.size()), message);
    EXPECT_GT (b.handler.getNumBlocks(), 1);
}

TEST_F (ByteStreamMidiServiceTest, OutputWrittenBeforeThePeerOpensIsDeliveredOnceItDoes)
{
    Peer a (fifoOne, fifoTwo), b (fifoTwo, fifoOne);
    openOutput (a);
    ASSERT_NE (a.output, nullptr);

    const Bytes message{0xf0, 0x7e, 0x7f, 0x06, 0x01, 0xf7};
    ASSERT_TRUE (send (*a.output, message));

    openInput (b);
    EXPECT_EQ (b.handler.waitForBytes (message.size()), message);
}

TEST_F (ByteStreamMidiServiceTest, DestroyingAnInputStopsItsWaitingReader)
{
    auto handler = std::make_shared<CollectingMidiInputHandler>();
    ByteStreamMidiService service (fifoOne, fifoTwo);
    juce::String error;
    std::shared_ptr<midi::MidiInputConnection> input;
    openWithoutBlocking ([&] { input = service.openInput (0, *handler, error); });
    ASSERT_NE (input, nullptr) << error;

    // Nothing is ever written, so the reader is waiting. Should the destructor
    // hang, the thread is left behind (it owns what it uses) and the test fails.
    auto done = std::make_shared<juce::WaitableEvent>();
    std::thread (
        [input = std::move (input), handler, done]() mutable
        {
            input.reset();
            done->signal();
        })
        .detach();

    EXPECT_TRUE (done->wait (deadlockLimitMs));
}

TEST_F (ByteStreamMidiServiceTest, RegularFileInputIsReadToItsEnd)
{
    const auto file = folder.getChildFile ("dump.syx");
    const auto content = sysExOfSize (10000);
    ASSERT_TRUE (file.replaceWithData (content.data(), content.size()));

    ByteStreamMidiService service (file.getFullPathName(), fifoTwo);
    CollectingMidiInputHandler handler;
    juce::String error;
    auto input = service.openInput (0, handler, error);
    ASSERT_NE (input, nullptr) << error;

    EXPECT_EQ (handler.waitForBytes (content.size()), content);
}

TEST_F (ByteStreamMidiServiceTest, RegularFileOutputIsAppendedToNotReplaced)
{
    const auto file = folder.getChildFile ("capture.syx");
    ASSERT_TRUE (file.replaceWithData ("\xf8", 1));

    ByteStreamMidiService service (fifoOne, file.getFullPathName());
    juce::String error;
    auto output = service.openOutput (0, error);
    ASSERT_NE (output, nullptr) << error;
    ASSERT_TRUE (send (*output, {0xfa, 0xfc}));
    output.reset();

    juce::MemoryBlock written;
    ASSERT_TRUE (file.loadFileAsData (written));
    EXPECT_EQ (Bytes (written.begin(), written.end()), (Bytes{0xf8, 0xfa, 0xfc}));
}

TEST_F (ByteStreamMidiServiceTest, PortListsNameThePaths)
{
    ByteStreamMidiService service (fifoOne, fifoTwo);

    EXPECT_EQ (service.getInputPortNames(), juce::StringArray (fifoOne));
    EXPECT_EQ (service.getOutputPortNames(), juce::StringArray (fifoTwo));
}

struct UnopenableCase
{
    const char* name;
    bool isInput;
    const char* path; // relative to the temporary folder
    int index;
    const char* expectedText; // besides the path, when the index is 0
    int expectedErrno;
};

void PrintTo (const UnopenableCase& unopenable, std::ostream* out)
{
    *out << unopenable.name;
}

class ByteStreamUnopenableTest : public ByteStreamMidiServiceTest,
                                 public ::testing::WithParamInterface<UnopenableCase>
{
};

TEST_P (ByteStreamUnopenableTest, GivesNullAndSaysWhy)
{
    const auto& param = GetParam();
    folder.getChildFile ("folder").createDirectory();
    const auto path = folder.getChildFile (param.path).getFullPathName();

    ByteStreamMidiService service (path, path);
    CollectingMidiInputHandler handler;
    juce::String error;

    const bool opened = param.isInput ? service.openInput (param.index, handler, error) != nullptr
                                      : service.openOutput (param.index, error) != nullptr;

    EXPECT_FALSE (opened);
    EXPECT_TRUE (error.contains (param.expectedText)) << error;

    if (param.expectedErrno != 0)
    {
        EXPECT_TRUE (error.contains (path)) << error;
        EXPECT_TRUE (error.contains (std::strerror (param.expectedErrno))) << error;
    }
}

INSTANTIATE_TEST_SUITE_P (
    Cases, ByteStreamUnopenableTest,
    ::testing::Values (UnopenableCase{"MissingInput", true, "missing/in", 0, "MIDI input", ENOENT},
                       UnopenableCase{"OutputInMissingFolder", false, "missing/out", 0, "MIDI output",
                                      ENOENT},
                       UnopenableCase{"OutputToFolder", false, "folder", 0, "MIDI output", EISDIR},
                       UnopenableCase{"InputIndexOne", true, "folder", 1, "port 1", 0},
                       UnopenableCase{"OutputIndexMinusOne", false, "folder", -1, "port -1", 0}),
    [] (const auto& testInfo) { return std::string (testInfo.param.name); });

TEST (ByteStreamOutputTest, SendReportsAFailingStream)
{
    if (! juce::File ("/dev/full").exists())
        GTEST_SKIP() << "/dev/full is not available";

    ByteStreamMidiService service ("/dev/null", "/dev/full");
    juce::String error;
    auto output = service.openOutput (0, error);
    ASSERT_NE (output, nullptr) << error;

    EXPECT_FALSE (send (*output, {0x90, 0x40, 0x7f}));
}
} // namespace
