#include "data/LibraryData.h"
#include "midi/emulator/SynthesizerEmulator.h"
#include "midi/GlobalDataFavorites.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiCommunicationResult.h"
#include "midi/MidiCommunicationThread.h"
#include "midi/MidiDeviceManager.h"
#include "midi/ReceiveLibraryProcess.h"
#include "midi/service/VirtualMidiService.h"
#include "midi/SysExGenerator.h"
#include "midi/WriteSelectedProgramProcess.h"
#include "support/FreshSingletons.h"
#include "support/ScriptedMidiDevice.h"

#include <gtest/gtest.h>

namespace
{
using Result = midi::MidiCommunicationResult;
using xTV200_midi::SynthesizerEmulatorOptions;

juce::MemoryBlock bytesOf (const xTV200_data::ProgramData& program)
{
    return {program.getBytes(), static_cast<size_t> (xTV200_data::ProgramData::numBytes)};
}

/** A library whose every program and favourite differs from the factory's. */
xTV200_data::LibraryData makeDistinctLibrary()
{
    xTV200_data::LibraryData library;

    for (int i = 0; i < 300; ++i)
    {
        juce::MemoryBlock bytes (xTV200_data::ProgramData::numBytes);
        for (size_t b = 0; b < bytes.getSize(); ++b)
            bytes[b] = static_cast<char> ((i * 7 + static_cast<int> (b)) & 0xff);
        library.getProgram (i).setBytes (bytes.getData(), bytes.getSize());
    }

    for (int bank = 0; bank < xTV200_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < xTV200_data::FavoriteData::numSlots; ++slot)
            library.getFavorites().setValue (bank, slot, 299 - bank * 8 - slot);

    return library;
}

/** The device manager on virtual ports with an emulated synthesizer behind
    them, in manual mode on the synthesizer's ports, with short timeouts. */
class CommunicationProcessTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        devices = midi::MidiDeviceManager::getInstance();
        devices->setService (service);
        devices->setTargetFamilyId (0x0118);
        devices->applyMidiPortSettings ({false, "TolmVESK In", "TolmVESK Out"});

        communication = xTV200_midi::MidiCommunicationManager::getInstance();
        communication->setTimeouts (xTV200_midi::TransactionTimeouts::allOf (300));
        communication->setRunner (&runner);
    }

    void TearDown() override
    {
        if (emulator != nullptr)
            emulator->stop();
        FreshSingletons::TearDown();
    }

    void startEmulator (SynthesizerEmulatorOptions options = {})
    {
        emulator =
            std::make_unique<xTV200_midi::SynthesizerEmulator> (*synthesizerSide, 0, 0, std::move (options));
        juce::String error;
        ASSERT_TRUE (emulator->start (error)) << error;
    }

    std::shared_ptr<midi::VirtualMidiService> service = std::make_shared<midi::VirtualMidiService>();
    std::shared_ptr<midi::MidiService> synthesizerSide = service->addPortPair ("TolmVESK In", "TolmVESK Out");
    std::unique_ptr<xTV200_midi::SynthesizerEmulator> emulator;
    midi::MidiDeviceManager* devices = nullptr;
    xTV200_midi::MidiCommunicationManager* communication = nullptr;
    midi::BlockingCommunicationRunner runner;
};

TEST_F (CommunicationProcessTest, ReceivesTheWholeLibraryByteForByte)
{
    startEmulator();
    xTV200_data::LibraryData received;

    ASSERT_EQ (communication->receiveLibrary (received), 0) << runner.getLastStatusMessage();

    for (int i = 0; i < 300; ++i)
        ASSERT_EQ (bytesOf (received.getProgram (i)), emulator->getMemory().getProgram (i))
            << "program " << i;

    xTV200_data::FavoriteData expectedFavorites;
    ASSERT_TRUE (
        xTV200_midi::GlobalDataFavorites::read (emulator->getMemory().getGlobalData(), expectedFavorites));
    EXPECT_EQ (received.getFavorites(), expectedFavorites);
    EXPECT_FALSE (devices->isOpen());
}

TEST_F (CommunicationProcessTest, WritesTheWholeLibraryKeepingTheSynthesizersOwnGlobalSettings)
{
    startEmulator();
    const auto globalBefore = emulator->getMemory().getGlobalData();
    const auto library = makeDistinctLibrary();

    ASSERT_EQ (communication->writeLibrary (library), 0) << runner.getLastStatusMessage();

    for (int i = 0; i < 300; ++i)
        ASSERT_EQ (emulator->getMemory().getProgram (i), bytesOf (library.getProgram (i))) << "program " << i;

    const auto globalAfter = emulator->getMemory().getGlobalData();
    EXPECT_EQ (juce::MemoryBlock (globalAfter.getData(), 128),
               juce::MemoryBlock (globalBefore.getData(), 128));
    xTV200_data::FavoriteData written;
    ASSERT_TRUE (xTV200_midi::GlobalDataFavorites::read (globalAfter, written));
    EXPECT_EQ (written, library.getFavorites());
}

TEST_F (CommunicationProcessTest, SelectedProgramsGoInListOrderIntoTheirOwnSlots)
{
    startEmulator();
    const auto library = makeDistinctLibrary();
    ASSERT_EQ (communication->writeSelectedPrograms ({9, 5, 7}, library), 0);

    EXPECT_EQ (emulator->getNumProgramWrites(), 3);
    for (int i : {5, 7, 9})
        EXPECT_EQ (emulator->getMemory().getProgram (i), bytesOf (library.getProgram (i)));
    EXPECT_NE (emulator->getMemory().getProgram (6), bytesOf (library.getProgram (6)));

    xTV200_data::LibraryData received;
    ASSERT_EQ (communication->receiveSelectedPrograms ({7, 9}, received), 0);
    EXPECT_EQ (bytesOf (received.getProgram (7)), bytesOf (library.getProgram (7)));
    EXPECT_EQ (bytesOf (received.getProgram (9)), bytesOf (library.getProgram (9)));
    EXPECT_EQ (received.getProgram (5), xTV200_data::ProgramData())
        << "programs not asked for stay as they were";
}

TEST_F (CommunicationProcessTest, AnEmptySelectionOnlyIdentifiesTheSynthesizer)
{
    startEmulator();
    ASSERT_EQ (communication->writeSelectedPrograms ({}, makeDistinctLibrary()), 0);
    EXPECT_EQ (emulator->getNumMessagesReceived(), 1);
    EXPECT_EQ (emulator->getNumProgramWrites(), 0);
}

TEST_F (CommunicationProcessTest, EveryFaultEndsWithItsCodeAndTexts)
{
    struct Case
    {
        const char* what;
        std::function<void (SynthesizerEmulatorOptions&)> fault;
        bool receive;
        int code;
    };

    const Case cases[]{
        {"silent after 4 messages", [] (auto& o) { o.stopAnsweringAfterMessages = 4; }, true,
         Result::timeout},
        {"a broken dump of program 4", [] (auto& o) { o.brokenDumpProgram = 4; }, true,
         Result::messageBroken},
        {"another maker's device", [] (auto& o) { o.identityOfOtherMaker = true; }, true,
         Result::targetDevice},
        {"another channel than the librarian expects", [] (auto& o) { o.channel = 3; }, true,
         Result::noError},
        {"write protected", [] (auto& o) { o.writeProtected = true; }, false, Result::nakOnWrite},
        {"a refusal of the 4th write", [] (auto& o) { o.nakOnProgramWrite = 3; }, false, Result::nakOnWrite},
        {"timing clock inside split replies",
         [] (auto& o)
         {
             o.timingClockInReplies = true;
             o.replyBlockSize = 5;
         },
         true, Result::noError},
    };

    for (const auto& c : cases)
    {
        SynthesizerEmulatorOptions options;
        c.fault (options);
        startEmulator (options);

        xTV200_data::LibraryData library;
        const auto modalResult = c.receive
                                     ? communication->receiveSelectedPrograms ({0, 1, 2, 3, 4, 5}, library)
                                     : communication->writeSelectedPrograms ({0, 1, 2, 3, 4, 5}, library);

        EXPECT_EQ (runner.getLastResultCode(), c.code) << c.what;
        EXPECT_EQ (modalResult, c.code == Result::noError ? 0 : 1) << c.what;

        if (c.code != Result::noError)
        {
            EXPECT_EQ (runner.getLastStatusMessage(), Result::getStatusText (c.code)) << c.what;
            EXPECT_EQ (runner.getLastDetailMessage(), Result::getDetailText (c.code)) << c.what;
        }

        emulator->stop();
    }
}

TEST_F (CommunicationProcessTest, TheWriteRefusalTellsTheMusicianWhatToCheck)
{
    SynthesizerEmulatorOptions options;
    options.writeProtected = true;
    startEmulator (options);

    communication->writeLibrary (makeDistinctLibrary());
    EXPECT_EQ (runner.getLastStatusMessage(), "Error occurred while writing data.");
    EXPECT_EQ (runner.getLastDetailMessage(),
               "Please make sure the Write Protect setting of the TolmVESK is OFF.");
    EXPECT_EQ (emulator->getMemory().getProgram (0), xTV200_midi::EmulatorMemory::getFactoryPrograms()[0]);
}

TEST_F (CommunicationProcessTest, ACancelledReceiveStopsBetweenPrograms)
{
    // The synthesizer asks for the cancellation itself, just before it answers
    // the request for program 4, so that the process notices it right after.
    midi::MidiCommunicationThread* running = nullptr;
    const xTV200_midi::SysExGenerator synthesizerMessages (0, 0x0118);
    test::ScriptedMidiDevice synth (
        service->addPortPair ("Synth In", "Synth Out"),
        [&] (const juce::MemoryBlock& request) -> std::vector<juce::MemoryBlock>
        {
            if (request.getSize() == 6)
                return {test::ScriptedMidiDevice::bytes ({0xf0, 0x7e, 0x00, 0x06, 0x02, 0x42, 0x18, 0x01,
                                                          0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0xf7})};
            const auto number = request[7] | (request[8] << 7);
            if (number == 4)
                running->signalThreadShouldExit();
            return {synthesizerMessages.createProgramDataDump (
                number, juce::MemoryBlock (static_cast<size_t> (xTV200_data::ProgramData::numBytes), true))};
        });
    devices->applyMidiPortSettings ({false, "Synth In", "Synth Out"});

    xTV200_data::LibraryData target;
    xTV200_midi::ReceiveLibraryProcess process (devices->getPort(), 0x0118,
                                                xTV200_midi::TransactionTimeouts::allOf (1000), target);
    midi::MidiCommunicationThread thread (process);
    running = &thread;

    ASSERT_TRUE (devices->openPorts());
    thread.startThread();
    ASSERT_TRUE (thread.waitForThreadToExit (10000));
    devices->closePorts();

    EXPECT_EQ (thread.getResult(), Result::canceled);
    EXPECT_EQ (process.getStatusMessage(), "Canceled.");
    EXPECT_EQ (synth.getReceived().size(), 6u) << "the identity and programs 0 to 4, then no more";
}

TEST_F (CommunicationProcessTest, APortThatCannotBeOpenedEndsTheCommunicationWithItsText)
{
    startEmulator();
    devices->applyMidiPortSettings ({false, "Unplugged", "TolmVESK Out"});
    xTV200_data::LibraryData library;

    EXPECT_EQ (communication->receiveLibrary (library), 1);
    EXPECT_EQ (runner.getLastStatusMessage(), "Failed to open the MIDI port.");

    devices->applyMidiPortSettings ({true, {}, {}});
    EXPECT_EQ (communication->receiveLibrary (library), 1);
    EXPECT_EQ (runner.getLastStatusMessage(), "TolmVESK is not connected.");
    EXPECT_EQ (emulator->getNumMessagesReceived(), 0);
}
} // namespace

namespace
{
/** Records, as each program dump arrives, the progress the process reported
    before it, and acknowledges everything. */
class ProgressRecordingTest : public CommunicationProcessTest
{
};

TEST_F (ProgressRecordingTest, SelectedProgramsAreWrittenInListOrderWithTheirProgress)
{
    std::vector<int> dumpedNumbers;
    std::vector<float> progressAtDump;
    std::unique_ptr<xTV200_midi::WriteSelectedProgramProcess> process;

    test::ScriptedMidiDevice synth (
        service->addPortPair ("Synth In", "Synth Out"),
        [&] (const juce::MemoryBlock& request) -> std::vector<juce::MemoryBlock>
        {
            if (request.getSize() == 6)
                return {test::ScriptedMidiDevice::bytes ({0xf0, 0x7e, 0x00, 0x06, 0x02, 0x42, 0x18, 0x01,
                                                          0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0xf7})};
            dumpedNumbers.push_back (request[7] | (request[8] << 7));
            progressAtDump.push_back (process->getProgress());
            return {test::ScriptedMidiDevice::bytes ({0xf0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x23, 0xf7})};
        });
    devices->applyMidiPortSettings ({false, "Synth In", "Synth Out"});

    const auto library = makeDistinctLibrary();
    process = std::make_unique<xTV200_midi::WriteSelectedProgramProcess> (
        devices->getPort(), 0x0118, xTV200_midi::TransactionTimeouts::allOf (1000), std::vector<int>{5, 7, 9},
        library);

    ASSERT_TRUE (devices->openPorts());
    EXPECT_EQ (process->run(), Result::noError);
    devices->closePorts();

    EXPECT_EQ (dumpedNumbers, (std::vector<int>{5, 7, 9}));
    EXPECT_EQ (progressAtDump, (std::vector<float>{0.0f, 0.0f, 1.0f / 3.0f}));
    EXPECT_FLOAT_EQ (process->getProgress(), 2.0f / 3.0f);
}
} // namespace
