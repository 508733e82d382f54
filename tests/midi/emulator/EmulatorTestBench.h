#pragma once

#include "midi/emulator/ReceivedMessageCollector.h"
#include "midi/emulator/SynthesizerEmulator.h"
#include "midi/service/VirtualMidiService.h"

#include <gtest/gtest.h>

namespace testing_support
{
/** The librarian's side of a virtual port pair with an emulated synthesizer on
    the far end. Messages the emulator has dealt with are counted, so a test can
    tell that a message went unanswered without waiting for a timeout.
*/
class EmulatorTestBench
{
public:
    static constexpr int familyId = 0x0118;

    explicit EmulatorTestBench (xTV200_midi::SynthesizerEmulatorOptions options = {})
    {
        auto synthesizerSide = librarianSide.addPortPair ("TolmVESK Emulator Out", "TolmVESK Emulator In");
        options.onMessageHandled = [this] { countHandledMessage(); };
        emulator = std::make_unique<xTV200_midi::SynthesizerEmulator> (*synthesizerSide, 0, 0, options);
        farEnd = std::move (synthesizerSide);

        juce::String error;
        input = librarianSide.openInput (0, collector, error);
        output = librarianSide.openOutput (0, error);
        started = emulator->start (error);
        EXPECT_TRUE (started) << error;
    }

    ~EmulatorTestBench() { emulator->stop(); }

    /** Sends a message and waits until the emulator has dealt with it. */
    bool send (const juce::MemoryBlock& message)
    {
        const auto before = getNumHandled();
        output->send (static_cast<const juce::uint8*> (message.getData()),
                      static_cast<int> (message.getSize()));
        return waitForHandled (before + 1);
    }

    bool send (const Bytes& message) { return send (juce::MemoryBlock (message.data(), message.size())); }

    /** Sends a message that is to be answered and returns the answer; empty if
        none came.
    */
    Bytes exchange (const juce::MemoryBlock& message)
    {
        const auto before = getNumReplies();

        if (! send (message) || ! collector.waitForMessages (before + 1))
            return {};

        return collector.getMessages()[before];
    }

    Bytes exchange (const Bytes& message)
    {
        return exchange (juce::MemoryBlock (message.data(), message.size()));
    }

    /** Every SysEx message received so far, once the emulator has sent all it is going to. */
    size_t getNumReplies()
    {
        // The emulator sends before it reports a message handled, so its count
        // of bytes sent is final; wait for those bytes to come through.
        const auto sent = static_cast<size_t> (emulator->getNumBytesSent());
        size_t received = 0;

        for (size_t count = 0; received < sent; ++count)
        {
            if (! collector.waitForBlocks (count + 1))
                break;

            received += collector.getBlocks()[count].size();
        }

        return collector.getMessages().size();
    }

    xTV200_midi::SynthesizerEmulator& getEmulator() { return *emulator; }
    ReceivedMessageCollector& getCollector() { return collector; }
    bool hasStarted() const { return started; }

private:
    void countHandledMessage()
    {
        {
            const std::lock_guard<std::mutex> guard (lock);
            ++numHandled;
        }

        handled.notify_all();
    }

    int getNumHandled()
    {
        const std::lock_guard<std::mutex> guard (lock);
        return numHandled;
    }

    bool waitForHandled (int count)
    {
        std::unique_lock<std::mutex> guard (lock);
        return handled.wait_for (guard, ReceivedMessageCollector::waitLimit,
                                 [&] { return numHandled >= count; });
    }

    std::mutex lock;
    std::condition_variable handled;
    int numHandled = 0;

    midi::VirtualMidiService librarianSide;
    std::shared_ptr<midi::MidiService> farEnd;
    ReceivedMessageCollector collector;
    std::unique_ptr<midi::MidiInputConnection> input;
    std::unique_ptr<midi::MidiOutputConnection> output;
    std::unique_ptr<xTV200_midi::SynthesizerEmulator> emulator;
    bool started = false;
};
} // namespace testing_support
