#include "midi/CTRVMidi.h"
#include "midi/CurrentProgramTransmitter.h"
#include "midi/DeviceInquiry.h"
#include "midi/GlobalDataReceiver.h"
#include "midi/GlobalDataTransmitter.h"
#include "midi/MidiCommunicationResult.h"
#include "midi/ProgramDataReceiver.h"
#include "midi/ProgramDataTransmitter.h"
#include "midi/service/VirtualMidiService.h"
#include "midi/SysExGenerator.h"
#include "support/ScriptedMidiDevice.h"

#include <gtest/gtest.h>

namespace
{
using Result = midi::MidiCommunicationResult;
using test::ScriptedMidiDevice;
using Replies = std::vector<juce::MemoryBlock>;

constexpr int familyId = 0x0118;
constexpr int shortTimeout = 100;

juce::MemoryBlock makerReply (int channel, int function)
{
    return ScriptedMidiDevice::bytes ({0xf0, 0x42, 0x30 | channel, 0x00, 0x01, 0x18, function, 0xf7});
}

juce::MemoryBlock identityReply (int channel, int maker = 0x42, int familyLow = 0x18)
{
    return ScriptedMidiDevice::bytes (
        {0xf0, 0x7e, channel, 0x06, 0x02, maker, familyLow, 0x01, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0xf7});
}

juce::MemoryBlock programBytes (juce::uint8 fill)
{
    juce::MemoryBlock bytes (xTV200_data::ProgramData::numBytes);
    bytes.fillWith (fill);
    return bytes;
}

juce::MemoryBlock programDump (int channel, int number, juce::uint8 fill)
{
    return xTV200_midi::SysExGenerator (channel, familyId)
        .createProgramDataDump (number, programBytes (fill));
}

juce::MemoryBlock cutShort (juce::MemoryBlock dump)
{
    dump.removeSection (dump.getSize() - 2, 1);
    return dump;
}

class TransactionTest : public ::testing::Test
{
protected:
    TransactionTest()
    {
        port.openInput (0);
        port.openOutput (0);
    }

    void replyWith (Replies replies)
    {
        device = std::make_unique<ScriptedMidiDevice> (farEnd, [replies] (const juce::MemoryBlock&)
                                                       { return replies; });
    }

    std::shared_ptr<midi::VirtualMidiService> service = std::make_shared<midi::VirtualMidiService>();
    std::shared_ptr<midi::MidiService> farEnd = service->addPortPair ("In", "Out");
    CTRVMidi port{service};
    std::unique_ptr<ScriptedMidiDevice> device;
};

TEST_F (TransactionTest, IdentityLearnsTheChannelOfTheSynthesizerOnly)
{
    struct Case
    {
        const char* what;
        Replies replies;
        int code;
    };

    const Case cases[]{
        {"the synthesizer on channel 5", {identityReply (5)}, Result::noError},
        {"nobody", {}, Result::timeout},
        {"another maker's device", {identityReply (5, 0x41)}, Result::targetDevice},
        {"another family of the maker", {identityReply (5, 0x42, 0x19)}, Result::targetDevice},
        {"a maker message first, then the reply", {makerReply (0, 0x23), identityReply (5)}, Result::noError},
    };

    for (const auto& c : cases)
    {
        replyWith (c.replies);
        xTV200_midi::DeviceInquiry inquiry (port, familyId);
        EXPECT_EQ (inquiry.execute (shortTimeout), c.code) << c.what;

        if (c.code == Result::noError)
        {
            EXPECT_EQ (inquiry.getChannel(), 5) << c.what;
        }
    }

    EXPECT_EQ (device->getReceived().front(), xTV200_midi::SysExGenerator::createIdentityRequest());
}

TEST_F (TransactionTest, ReceivingAProgramMapsEachReply)
{
    struct Case
    {
        const char* what;
        Replies replies;
        int code;
    };

    const Case cases[]{
        {"its dump", {programDump (2, 299, 0x55)}, Result::noError},
        {"a dump on another channel", {programDump (9, 299, 0x55)}, Result::noError},
        {"a dump of another number", {programDump (2, 3, 0x55)}, Result::noError},
        {"nothing", {}, Result::timeout},
        {"a dump one byte short", {cutShort (programDump (2, 299, 0x55))}, Result::messageBroken},
        {"a data load error", {makerReply (2, 0x24)}, Result::nakOnReceive},
        {"only replies it does not wait for", {makerReply (2, 0x23), makerReply (2, 0x21)}, Result::timeout},
    };

    for (const auto& c : cases)
    {
        replyWith (c.replies);
        xTV200_midi::ProgramDataReceiver receiver (port, familyId);
        receiver.setChannel (2);
        EXPECT_EQ (receiver.execute (299, shortTimeout), c.code) << c.what;

        if (c.code == Result::noError)
        {
            EXPECT_EQ (receiver.getProgram().getByte (319), 0x55) << c.what;
        }

        EXPECT_EQ (device->getReceived().front(),
                   ScriptedMidiDevice::bytes ({0xf0, 0x42, 0x32, 0x00, 0x01, 0x18, 0x1c, 0x2b, 0x02, 0xf7}));
    }
}

TEST_F (TransactionTest, WritesMapAcknowledgementsAndRefusals)
{
    struct Case
    {
        const char* what;
        Replies replies;
        int code;
    };

    const Case cases[]{
        {"data load completed", {makerReply (0, 0x23)}, Result::noError},
        {"data load error", {makerReply (0, 0x24)}, Result::nakOnWrite},
        {"nothing", {}, Result::timeout},
        {"a write error, which no write waits for", {makerReply (0, 0x22)}, Result::timeout},
        {"a broken dump", {cutShort (programDump (0, 1, 0))}, Result::messageBroken},
    };

    xTV200_data::ProgramData program;
    program.setBytes (programBytes (0x11).getData(), xTV200_data::ProgramData::numBytes);
    juce::MemoryBlock globalData (xTV200_midi::SysExGenerator::numGlobalBytes, true);

    for (const auto& c : cases)
    {
        replyWith (c.replies);
        xTV200_midi::ProgramDataTransmitter programWriter (port, familyId);
        EXPECT_EQ (programWriter.execute (7, program, shortTimeout), c.code) << "program, " << c.what;

        replyWith (c.replies);
        xTV200_midi::GlobalDataTransmitter globalWriter (port, familyId);
        EXPECT_EQ (globalWriter.execute (globalData, shortTimeout), c.code) << "global data, " << c.what;

        replyWith (c.replies);
        xTV200_midi::CurrentProgramTransmitter currentWriter (port, familyId);
        EXPECT_EQ (currentWriter.execute (program, shortTimeout), c.code) << "current program, " << c.what;
        EXPECT_EQ (device->getReceived().front().getSize(),
                   static_cast<size_t> (xTV200_midi::SysExGenerator::currentProgramDataDumpLength));
    }
}

TEST_F (TransactionTest, ReceivesTheGlobalDataOrItsRefusal)
{
    juce::MemoryBlock globalData (xTV200_midi::SysExGenerator::numGlobalBytes);
    globalData.fillWith (0x3c);
    replyWith ({xTV200_midi::SysExGenerator (0, familyId).createGlobalDataDump (globalData)});

    xTV200_midi::GlobalDataReceiver receiver (port, familyId);
    EXPECT_EQ (receiver.execute (shortTimeout), Result::noError);
    EXPECT_EQ (receiver.getGlobalData(), globalData);

    replyWith ({makerReply (0, 0x24)});
    EXPECT_EQ (receiver.execute (shortTimeout), Result::nakOnReceive);
}

TEST_F (TransactionTest, ALateReplyIsTakenByTheTasksNextTransaction)
{
    replyWith ({});
    xTV200_midi::ProgramDataReceiver receiver (port, familyId);
    ASSERT_EQ (receiver.execute (0, 20), Result::timeout);

    juce::String error;
    auto deviceOutput = farEnd->openOutput (0, error);
    const auto lateDump = programDump (0, 0, 0x66);
    deviceOutput->send (static_cast<const juce::uint8*> (lateDump.getData()),
                        static_cast<int> (lateDump.getSize()));

    EXPECT_EQ (receiver.execute (1, 5000), Result::noError);
    EXPECT_EQ (receiver.getProgram().getByte (0), 0x66);
}
} // namespace
