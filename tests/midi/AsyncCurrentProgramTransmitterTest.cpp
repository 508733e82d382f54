#include "data/CurrentProgramData.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiDeviceManager.h"
#include "midi/service/VirtualMidiService.h"
#include "midi/SysExGenerator.h"
#include "support/FreshSingletons.h"
#include "support/ScriptedMidiDevice.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{
using test::ScriptedMidiDevice;

xTV200_data::ProgramData programFilledWith (juce::uint8 value)
{
    juce::MemoryBlock bytes (xTV200_data::ProgramData::numBytes);
    bytes.fillWith (value);
    xTV200_data::ProgramData program;
    program.setBytes (bytes.getData(), bytes.getSize());
    return program;
}

bool isCurrentProgramDump (const juce::MemoryBlock& message)
{
    return message.getSize() == xTV200_midi::SysExGenerator::currentProgramDataDumpLength &&
           message[6] == 0x40;
}

/** Waits for state that only another thread changes; tests only. */
bool waitUntil (const std::function<bool()>& condition)
{
    for (int i = 0; i < 5000 && ! condition(); ++i)
        std::this_thread::sleep_for (std::chrono::milliseconds (1));
    return condition();
}

/** A synthesizer that identifies itself and acknowledges current-program
    dumps, holding back its answer to the first dump until released (or for
    at most 200 ms). */
class CurrentProgramTransmitterTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        devices = midi::MidiDeviceManager::getInstance();
        devices->setService (service);
        devices->setTargetFamilyId (0x0118);
        devices->applyMidiPortSettings ({false, "Synth In", "Synth Out"});
        communication = xTV200_midi::MidiCommunicationManager::getInstance();
        communication->setTimeouts (xTV200_midi::TransactionTimeouts::allOf (1000));
    }

    std::vector<juce::MemoryBlock> answer (const juce::MemoryBlock& request)
    {
        if (request == xTV200_midi::SysExGenerator::createIdentityRequest())
            return {ScriptedMidiDevice::bytes (
                {0xf0, 0x7e, 0x00, 0x06, 0x02, 0x42, 0x18, 0x01, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0xf7})};

        if (! isCurrentProgramDump (request))
            return {};

        if (++numDumps == 1)
        {
            firstDumpArrived.signal();
            release.wait (200);
        }
        return {ScriptedMidiDevice::bytes ({0xf0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x23, 0xf7})};
    }

    std::vector<juce::MemoryBlock> receivedDumps() const
    {
        std::vector<juce::MemoryBlock> dumps;
        for (const auto& message : synth.getReceived())
            if (isCurrentProgramDump (message))
                dumps.push_back (message);
        return dumps;
    }

    static juce::MemoryBlock dumpOf (const xTV200_data::ProgramData& program)
    {
        return xTV200_midi::SysExGenerator (0, 0x0118).createCurrentProgramDataDump (
            juce::MemoryBlock (program.getBytes(), xTV200_data::ProgramData::numBytes));
    }

    std::shared_ptr<midi::VirtualMidiService> service = std::make_shared<midi::VirtualMidiService>();
    std::atomic<int> numDumps{0};
    juce::WaitableEvent firstDumpArrived, release;
    ScriptedMidiDevice synth{service->addPortPair ("Synth In", "Synth Out"),
                             [this] (const juce::MemoryBlock& request) { return answer (request); }};
    midi::MidiDeviceManager* devices = nullptr;
    xTV200_midi::MidiCommunicationManager* communication = nullptr;
};

TEST_F (CurrentProgramTransmitterTest, SendsTheFirstProgramThenOnlyTheLatest)
{
    auto& transmitter = communication->getTransmitter();
    const auto first = programFilledWith (1);
    const auto latest = programFilledWith (3);

    transmitter.transmit (first);
    ASSERT_TRUE (firstDumpArrived.wait (5000));
    transmitter.transmit (programFilledWith (2));
    transmitter.transmit (latest);
    release.signal();

    ASSERT_TRUE (waitUntil ([this] { return numDumps == 2; }));
    ASSERT_TRUE (waitUntil ([&] { return ! transmitter.isTransmitting(); }));

    const auto dumps = receivedDumps();
    ASSERT_EQ (dumps.size(), 2u);
    EXPECT_EQ (dumps[0], dumpOf (first));
    EXPECT_EQ (dumps[1], dumpOf (latest));
    EXPECT_FALSE (devices->isOpen());
}

TEST_F (CurrentProgramTransmitterTest, TheCurrentProgramsChangesReachTheSynthesizer)
{
    auto* currentProgram = xTV200_data::CurrentProgramData::getInstance();
    currentProgram->notifyChanged();

    ASSERT_TRUE (firstDumpArrived.wait (5000));
    release.signal();
    ASSERT_TRUE (waitUntil ([this] { return ! communication->getTransmitter().isTransmitting(); }));
    EXPECT_EQ (receivedDumps().size(), 1u);
}

TEST_F (CurrentProgramTransmitterTest, StaysOffThePortsWhileACommunicationHoldsThem)
{
    auto& transmitter = communication->getTransmitter();

    {
        const juce::ScopedLock communicationInProgress (devices->getCommunicationLock());
        transmitter.transmit (programFilledWith (1));
        ASSERT_TRUE (waitUntil (
            [&] { return transmitter.getNumTransmissions() == 1 && ! transmitter.isTransmitting(); }));
    }

    EXPECT_TRUE (synth.getReceived().empty());
    EXPECT_FALSE (devices->isOpen());
}

TEST_F (CurrentProgramTransmitterTest, ACommunicationWaitsForTheTransmissionAndDropsTheProgramWaiting)
{
    auto& transmitter = communication->getTransmitter();
    const auto first = programFilledWith (1);

    transmitter.transmit (first);
    ASSERT_TRUE (firstDumpArrived.wait (5000));
    transmitter.transmit (programFilledWith (2));

    xTV200_data::LibraryData library;
    EXPECT_EQ (communication->writeSelectedPrograms ({}, library), 0);

    communication->getTransmitter().stopAndWait();

    const auto received = synth.getReceived();
    ASSERT_GE (received.size(), 3u);
    EXPECT_EQ (received[0], xTV200_midi::SysExGenerator::createIdentityRequest());
    EXPECT_EQ (received[1], dumpOf (first));
    EXPECT_EQ (received[2], xTV200_midi::SysExGenerator::createIdentityRequest())
        << "the communication's own";
    for (size_t i = 3; i < received.size(); ++i)
        EXPECT_NE (received[i], dumpOf (programFilledWith (2))) << "the program waiting was dropped";
}
} // namespace
