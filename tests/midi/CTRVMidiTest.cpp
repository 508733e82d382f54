#include "midi/CTRVMidi.h"
#include "midi/service/VirtualMidiService.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{
/** Records what the port delivers and lets the test wait for it. */
class RecordingListener final : public CTRVMidiListener
{
public:
    void onShortMessage (CTRVMidi&, const CTRVMidiMessage& message) override { record (message, false); }
    void onSysExMessage (CTRVMidi&, const CTRVMidiMessage& message) override { record (message, true); }

    bool waitForMessages (size_t count)
    {
        std::unique_lock<std::mutex> lock (mutex);
        return arrived.wait_for (lock, std::chrono::seconds (5), [&] { return messages.size() >= count; });
    }

    std::vector<std::pair<juce::MemoryBlock, bool>> messages;
    std::thread::id deliveryThread;

private:
    void record (const CTRVMidiMessage& message, bool isSysEx)
    {
        {
            const std::lock_guard<std::mutex> lock (mutex);
            messages.emplace_back (message.getBytes(), isSysEx);
            deliveryThread = std::this_thread::get_id();
        }
        arrived.notify_all();
    }

    std::mutex mutex;
    std::condition_variable arrived;
};

juce::MemoryBlock block (std::initializer_list<int> values)
{
    juce::MemoryBlock result;
    for (auto value : values)
    {
        const auto byte = static_cast<juce::uint8> (value);
        result.append (&byte, 1);
    }
    return result;
}

class CTRVMidiTest : public ::testing::Test
{
protected:
    void sendFromDevice (const juce::MemoryBlock& bytes)
    {
        ASSERT_NE (deviceOutput, nullptr);
        deviceOutput->send (static_cast<const juce::uint8*> (bytes.getData()),
                            static_cast<int> (bytes.getSize()));
    }

    std::shared_ptr<midi::VirtualMidiService> service = std::make_shared<midi::VirtualMidiService>();
    std::shared_ptr<midi::MidiService> device = service->addPortPair ("Synth In", "Synth Out");
    std::unique_ptr<midi::MidiOutputConnection> deviceOutput = [this]
    {
        juce::String error;
        return device->openOutput (0, error);
    }();
    // Declared before the port, so that the port stops its input thread
    // before the listener it delivers to is destroyed.
    RecordingListener listener;
    CTRVMidi port{service};
};

TEST_F (CTRVMidiTest, OpensPortsByExactNameOnly)
{
    EXPECT_FALSE (port.openInputByName ("synth in"));
    EXPECT_FALSE (port.openOutputByName ("SYNTH OUT"));
    EXPECT_FALSE (port.isInputOpen());

    EXPECT_TRUE (port.openInputByName ("Synth In"));
    EXPECT_TRUE (port.openOutputByName ("Synth Out"));
    EXPECT_EQ (port.getInputDeviceId(), 0);
    EXPECT_EQ (port.getOutputDeviceId(), 0);
}

TEST_F (CTRVMidiTest, ReportsEachFailingStep)
{
    EXPECT_FALSE (port.openInput (1));
    EXPECT_EQ (port.getLastDiagnostic(), "Not found MIDI IN device.");

    ASSERT_TRUE (port.openOutput (0));
    EXPECT_FALSE (port.openOutput (0));
    EXPECT_EQ (port.getLastDiagnostic(), "MIDI OUT already opened.");

    service->setPortUnavailable (true, 0, true);
    EXPECT_FALSE (port.openInput (0));
    EXPECT_TRUE (port.getLastDiagnostic().startsWith ("Faild to midiInOpen()"));
}

TEST_F (CTRVMidiTest, SendsNothingWithoutAnOpenOutputOrForMetaEvents)
{
    const auto sysEx = block ({0xf0, 0x7e, 0x7f, 0x06, 0x01, 0xf7});
    EXPECT_FALSE (port.sendMessage (CTRVMidiMessage (sysEx)));

    ASSERT_TRUE (port.openOutput (0));
    EXPECT_FALSE (port.sendMessage (CTRVMidiMessage (block ({0xff, 0x2f, 0x00}))));
    EXPECT_FALSE (port.sendMessage (CTRVMidiMessage()));
    EXPECT_TRUE (port.sendMessage (CTRVMidiMessage (sysEx)));
    EXPECT_EQ (service->getNumBytesSent (0), 6);
}

TEST_F (CTRVMidiTest, DeliversReassembledMessagesInOrderOnTheInputThread)
{
    port.addListener (&listener);
    ASSERT_TRUE (port.openInput (0));

    sendFromDevice (block ({0xf0, 0x42, 0x30}));
    sendFromDevice (block ({0x00, 0xf8, 0x01}));
    sendFromDevice (block ({0x18, 0xf7, 0x90, 0x40, 0x7f}));

    ASSERT_TRUE (listener.waitForMessages (3));
    EXPECT_EQ (listener.messages[0].first, block ({0xf8}));
    EXPECT_FALSE (listener.messages[0].second);
    EXPECT_EQ (listener.messages[1].first, block ({0xf0, 0x42, 0x30, 0x00, 0x01, 0x18, 0xf7}));
    EXPECT_TRUE (listener.messages[1].second);
    EXPECT_EQ (listener.messages[2].first, block ({0x90, 0x40, 0x7f}));
    EXPECT_NE (listener.deliveryThread, std::this_thread::get_id());
}

TEST_F (CTRVMidiTest, ForgetsAnUnfinishedMessageWhenTheInputIsOpenedAgain)
{
    port.addListener (&listener);
    ASSERT_TRUE (port.openInput (0));
    sendFromDevice (block ({0xf0, 0x42, 0x30}));
    port.closeInput();

    ASSERT_TRUE (port.openInput (0));
    sendFromDevice (block ({0x00, 0x01, 0xf7, 0xf0, 0x7e, 0xf7}));

    ASSERT_TRUE (listener.waitForMessages (1));
    EXPECT_EQ (listener.messages[0].first, block ({0xf0, 0x7e, 0xf7}));
}
} // namespace
