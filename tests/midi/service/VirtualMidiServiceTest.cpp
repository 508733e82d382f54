#include "midi/service/VirtualMidiService.h"

#include "midi/emulator/ReceivedMessageCollector.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using midi::VirtualMidiService;
using testing_support::Bytes;
using testing_support::ReceivedMessageCollector;

namespace
{
bool sendBytes (midi::MidiOutputConnection& output, const Bytes& bytes)
{
    return output.send (bytes.data(), static_cast<int> (bytes.size()));
}

std::unique_ptr<midi::MidiOutputConnection> openOutput (midi::MidiService& service, int index)
{
    juce::String error;
    auto output = service.openOutput (index, error);
    EXPECT_NE (output, nullptr) << error;
    return output;
}

std::unique_ptr<midi::MidiInputConnection> openInput (midi::MidiService& service, int index,
                                                      midi::MidiInputHandler& handler)
{
    juce::String error;
    auto input = service.openInput (index, handler, error);
    EXPECT_NE (input, nullptr) << error;
    return input;
}
} // namespace

TEST (VirtualMidiService, FarEndNamesEachPortAfterTheOtherEndOfItsCable)
{
    VirtualMidiService service;
    const auto first = service.addPortPair ("Synth In", "Synth Out");
    const auto second = service.addPortPair ("Other In", "Other Out");

    EXPECT_EQ (service.getInputPortNames(), juce::StringArray ({"Synth In", "Other In"}));
    EXPECT_EQ (service.getOutputPortNames(), juce::StringArray ({"Synth Out", "Other Out"}));
    EXPECT_EQ (first->getInputPortNames(), juce::StringArray ("Synth Out"));
    EXPECT_EQ (first->getOutputPortNames(), juce::StringArray ("Synth In"));
    EXPECT_EQ (second->getInputPortNames(), juce::StringArray ("Other Out"));
}

TEST (VirtualMidiService, DeliversEveryBlockWholeAndInOrderOnTheInputsOwnThread)
{
    VirtualMidiService service;
    auto farEnd = service.addPortPair ("In", "Out");
    ReceivedMessageCollector collector;
    const auto input = openInput (*farEnd, 0, collector);
    const auto output = openOutput (service, 0);

    std::vector<Bytes> sent;

    for (int block = 0; block < 200; ++block)
        sent.push_back (Bytes (static_cast<size_t> (1 + block % 7), static_cast<juce::uint8> (block & 0x7F)));

    std::thread sender (
        [&]
        {
            for (const auto& block : sent)
                sendBytes (*output, block);
        });
    sender.join();

    ASSERT_TRUE (collector.waitForBlocks (sent.size()));
    EXPECT_EQ (collector.getBlocks(), sent);

    for (const auto& thread : collector.getThreads())
    {
        EXPECT_NE (thread, sender.get_id());
        EXPECT_NE (thread, std::this_thread::get_id());
    }
}

TEST (VirtualMidiService, BytesSentWhileTheInputIsClosedAreDropped)
{
    VirtualMidiService service;
    auto farEnd = service.addPortPair ("In", "Out");
    const auto output = openOutput (service, 0);
    ReceivedMessageCollector collector;

    EXPECT_TRUE (sendBytes (*output, {0x90, 0x40, 0x7F}));
    const auto input = openInput (*farEnd, 0, collector);
    EXPECT_TRUE (sendBytes (*output, {0x80, 0x40, 0x00}));

    // Blocks arrive in order: had the first been kept, it would be here by now.
    ASSERT_TRUE (collector.waitForBlocks (1));
    EXPECT_EQ (collector.getBlocks(), std::vector<Bytes> ({{0x80, 0x40, 0x00}}));
    EXPECT_EQ (service.getNumBytesSent (0), 6);
}

TEST (VirtualMidiService, HandlerIsNeverCalledOnceTheConnectionIsDestroyed)
{
    // The handler holds up its first block, so that more are queued when the
    // connection is destroyed on another thread.
    struct HoldingHandler final : midi::MidiInputHandler
    {
        void handleIncomingMidiBytes (const juce::uint8*, int) override
        {
            if (destroyed)
                ++callsAfterDestruction;

            if (calls++ == 0)
            {
                entered.signal();
                release.wait (10000);
            }
        }

        juce::WaitableEvent entered, release;
        std::atomic<int> calls{0};
        std::atomic<bool> destroyed{false};
        std::atomic<int> callsAfterDestruction{0};
    };

    VirtualMidiService service;
    auto farEnd = service.addPortPair ("In", "Out");
    HoldingHandler handler;
    auto input = openInput (*farEnd, 0, handler);
    const auto output = openOutput (service, 0);

    for (juce::uint8 note = 0; note < 20; ++note)
        sendBytes (*output, {0x90, note, 0x7F});

    ASSERT_TRUE (handler.entered.wait (10000));

    std::thread destroyer (
        [&]
        {
            input.reset();
            handler.destroyed = true;
        });

    handler.release.signal();
    destroyer.join();

    sendBytes (*output, {0x80, 0x00, 0x00});
    EXPECT_EQ (handler.callsAfterDestruction, 0);
}

TEST (VirtualMidiService, TwoPairsCarryTheirOwnBytesOnly)
{
    VirtualMidiService service;
    auto first = service.addPortPair ("First In", "First Out");
    auto second = service.addPortPair ("Second In", "Second Out");
    ReceivedMessageCollector atFirst, atSecond, backHere;
    const auto firstInput = openInput (*first, 0, atFirst);
    const auto secondInput = openInput (*second, 0, atSecond);
    const auto inputHere = openInput (service, 1, backHere);

    sendBytes (*openOutput (service, 0), {0xF0, 0x01, 0xF7});
    sendBytes (*openOutput (service, 1), {0xF0, 0x02, 0xF7});
    sendBytes (*openOutput (*second, 0), {0xF0, 0x03, 0xF7});

    ASSERT_TRUE (atFirst.waitForBlocks (1));
    ASSERT_TRUE (atSecond.waitForBlocks (1));
    ASSERT_TRUE (backHere.waitForBlocks (1));
    EXPECT_EQ (atFirst.getBlocks(), std::vector<Bytes> ({{0xF0, 0x01, 0xF7}}));
    EXPECT_EQ (atSecond.getBlocks(), std::vector<Bytes> ({{0xF0, 0x02, 0xF7}}));
    EXPECT_EQ (backHere.getBlocks(), std::vector<Bytes> ({{0xF0, 0x03, 0xF7}}));
}

TEST (VirtualMidiService, PortsThatAreUnavailableOrMissingDoNotOpen)
{
    VirtualMidiService service;
    auto farEnd = service.addPortPair ("In", "Out");
    ReceivedMessageCollector collector;
    juce::String error;

    service.setPortUnavailable (true, 0, true);
    EXPECT_EQ (service.openInput (0, collector, error), nullptr);
    EXPECT_TRUE (error.contains ("in use")) << error;
    EXPECT_NE (service.openOutput (0, error), nullptr);

    service.setPortUnavailable (true, 0, false);
    EXPECT_NE (service.openInput (0, collector, error), nullptr);

    error.clear();
    EXPECT_EQ (service.openOutput (1, error), nullptr);
    EXPECT_FALSE (error.isEmpty());
    EXPECT_EQ (farEnd->openInput (-1, collector, error), nullptr);
}

TEST (VirtualMidiService, FarEndKeepsWorkingAfterTheServiceIsGone)
{
    auto service = std::make_unique<VirtualMidiService>();
    auto farEnd = service->addPortPair ("In", "Out");
    ReceivedMessageCollector collector;
    const auto input = openInput (*service, 0, collector);
    service.reset();

    EXPECT_TRUE (sendBytes (*openOutput (*farEnd, 0), {0xFE}));
    ASSERT_TRUE (collector.waitForBlocks (1));
}
