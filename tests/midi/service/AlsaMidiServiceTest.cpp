#include "midi/service/AlsaMidiService.h"

#include "midi/service/CollectingMidiInputHandler.h"

#include <gtest/gtest.h>

using midi::AlsaMidiService;
using test::CollectingMidiInputHandler;
using Bytes = CollectingMidiInputHandler::Bytes;

namespace
{
constexpr const char* unavailablePrefix = "ALSA sequencer is not available: ";

TEST (AlsaMidiServiceTest, WithoutASequencerListsNothingAndOpeningSaysWhy)
{
    AlsaMidiService service;

    if (service.getUnavailableReason().isEmpty())
        GTEST_SKIP() << "an ALSA sequencer is available here";

    EXPECT_TRUE (service.getUnavailableReason().startsWith (unavailablePrefix))
        << service.getUnavailableReason();
    EXPECT_GT (service.getUnavailableReason().length(), juce::String (unavailablePrefix).length());
    EXPECT_TRUE (service.getInputPortNames().isEmpty());
    EXPECT_TRUE (service.getOutputPortNames().isEmpty());
    EXPECT_FALSE (service.isSynthesizerPort (true, 0));

    CollectingMidiInputHandler handler;
    juce::String inputError, outputError;
    EXPECT_EQ (service.openInput (0, handler, inputError), nullptr);
    EXPECT_EQ (service.openOutput (0, outputError), nullptr);
    EXPECT_EQ (inputError, service.getUnavailableReason());
    EXPECT_EQ (outputError, service.getUnavailableReason());
}

/** Through the kernel's loop-back port ("Midi Through"), where the sequencer
    has one: what goes out to it comes back in. */
class AlsaLoopBackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (service.getUnavailableReason().isNotEmpty())
            GTEST_SKIP() << service.getUnavailableReason();

        inputIndex = indexOfThrough (service.getInputPortNames());
        outputIndex = indexOfThrough (service.getOutputPortNames());

        if (inputIndex < 0 || outputIndex < 0)
            GTEST_SKIP() << "the sequencer has no Midi Through port";

        juce::String error;
        input = service.openInput (inputIndex, handler, error);
        ASSERT_NE (input, nullptr) << error;
        output = service.openOutput (outputIndex, error);
        ASSERT_NE (output, nullptr) << error;
    }

    static int indexOfThrough (const juce::StringArray& names)
    {
        for (int i = 0; i < names.size(); ++i)
            if (names[i].contains ("Midi Through"))
                return i;

        return -1;
    }

    bool send (const Bytes& bytes) { return output->send (bytes.data(), static_cast<int> (bytes.size())); }

    // Between programs nothing drops bytes, so there is no need to wait.
    AlsaMidiService service{"TolmVESK Librarian test", 0};
    CollectingMidiInputHandler handler;
    std::unique_ptr<midi::MidiInputConnection> input;
    std::unique_ptr<midi::MidiOutputConnection> output;
    int inputIndex = -1, outputIndex = -1;
};

TEST_F (AlsaLoopBackTest, ShortMessagesAndSysExComeBackInOrder)
{
    Bytes sysEx (2000);
    sysEx.front() = 0xf0;

    for (size_t i = 1; i + 1 < sysEx.size(); ++i)
        sysEx[i] = static_cast<juce::uint8> (i & 0x7f);

    sysEx.back() = 0xf7;

    ASSERT_TRUE (send ({0x90, 0x40, 0x7f}));
    ASSERT_TRUE (send (sysEx));
    ASSERT_TRUE (send ({0xc0, 0x05}));

    Bytes expected{0x90, 0x40, 0x7f};
    expected.insert (expected.end(), sysEx.begin(), sysEx.end());
    expected.insert (expected.end(), {0xc0, 0x05});

    EXPECT_EQ (handler.waitForBytes (expected.size()), expected);
    EXPECT_FALSE (handler.wasCalledOnCreatingThread());
}

TEST_F (AlsaLoopBackTest, SysExSentInPiecesComesBackWhole)
{
    const Bytes first{0xf0, 0x41, 0x10}, second{0x12, 0x34, 0xf7};

    ASSERT_TRUE (send (first));
    ASSERT_TRUE (send (second));

    EXPECT_EQ (handler.waitForBytes (6), (Bytes{0xf0, 0x41, 0x10, 0x12, 0x34, 0xf7}));
}
} // namespace
