#include "midi/emulator/EmulatorTestBench.h"

#include "midi/MidiMessageAnalyzer.h"
#include "midi/SysExGenerator.h"

#include <algorithm>

using testing_support::Bytes;
using testing_support::EmulatorTestBench;
using testing_support::toBytes;
using xTV200_midi::AnalyzedInformation;
using xTV200_midi::MidiMessageAnalyzer;
using xTV200_midi::SynthesizerEmulatorOptions;
using xTV200_midi::SysExGenerator;

namespace
{
constexpr int familyId = EmulatorTestBench::familyId;
const SysExGenerator generator (0, familyId);

int typeOf (const Bytes& message)
{
    return MidiMessageAnalyzer().analyze (message.data(), message.size(), familyId).getType();
}

juce::MemoryBlock programBytes (int seed)
{
    juce::MemoryBlock block (320);
    block.fillWith (static_cast<juce::uint8> (seed));
    return block;
}
} // namespace

TEST (SynthesizerEmulatorFault, StopsAnsweringAfterTheGivenNumberOfMessages)
{
    SynthesizerEmulatorOptions options;
    options.stopAnsweringAfterMessages = 2;
    EmulatorTestBench bench (options);

    EXPECT_EQ (bench.exchange (SysExGenerator::createIdentityRequest()).size(), 15u);
    EXPECT_EQ (typeOf (bench.exchange (generator.createProgramDataDumpRequest (10))),
               AnalyzedInformation::programDump);

    ASSERT_TRUE (bench.send (generator.createProgramDataDumpRequest (11)));
    ASSERT_TRUE (bench.send (SysExGenerator::createIdentityRequest()));
    EXPECT_EQ (bench.getNumReplies(), 2u);
    EXPECT_EQ (bench.getEmulator().getNumMessagesReceived(), 4);
}

TEST (SynthesizerEmulatorFault, SendsTheDumpOfOneProgramOneByteShort)
{
    SynthesizerEmulatorOptions options;
    options.brokenDumpProgram = 3;
    EmulatorTestBench bench (options);

    const auto broken = bench.exchange (generator.createProgramDataDumpRequest (3));
    EXPECT_EQ (broken.size(), 375u);
    EXPECT_EQ (broken.back(), 0xF7);
    EXPECT_EQ (typeOf (broken), AnalyzedInformation::broken);
    EXPECT_EQ (typeOf (bench.exchange (generator.createProgramDataDumpRequest (4))),
               AnalyzedInformation::programDump);
}

TEST (SynthesizerEmulatorFault, IdentityReplyOfAnotherMakerIsNotTheTargetDevice)
{
    SynthesizerEmulatorOptions options;
    options.identityOfOtherMaker = true;
    EmulatorTestBench bench (options);

    const auto reply = bench.exchange (SysExGenerator::createIdentityRequest());
    ASSERT_EQ (typeOf (reply), AnalyzedInformation::identityReply);
    EXPECT_NE (reply[5], 0x42);
    EXPECT_FALSE (MidiMessageAnalyzer::isTargetDeviceIdentity (
        MidiMessageAnalyzer().analyze (reply.data(), reply.size(), familyId), familyId));
}

TEST (SynthesizerEmulatorFault, TimingClocksInsideRepliesLeaveTheMessagesIntact)
{
    SynthesizerEmulatorOptions options;
    options.timingClockInReplies = true;
    EmulatorTestBench bench (options);
    const auto expected =
        toBytes (generator.createProgramDataDump (8, bench.getEmulator().getMemory().getProgram (8)));

    EXPECT_EQ (bench.exchange (generator.createProgramDataDumpRequest (8)), expected);

    const auto blocks = bench.getCollector().getBlocks();
    ASSERT_EQ (blocks.size(), 1u);
    EXPECT_EQ (blocks[0].size(), expected.size() + 2);
    EXPECT_EQ (std::count (blocks[0].begin(), blocks[0].end(), 0xF8), 2);
    EXPECT_EQ (blocks[0][1], 0xF8);
}

TEST (SynthesizerEmulatorFault, RepliesSplitOverSeveralBlocksStillMakeWholeMessages)
{
    SynthesizerEmulatorOptions options;
    options.replyBlockSize = 50;
    EmulatorTestBench bench (options);
    const auto expected =
        toBytes (generator.createProgramDataDump (8, bench.getEmulator().getMemory().getProgram (8)));

    EXPECT_EQ (bench.exchange (generator.createProgramDataDumpRequest (8)), expected);

    const auto blocks = bench.getCollector().getBlocks();
    ASSERT_EQ (blocks.size(), 8u); // 376 bytes: seven of 50 and one of 26
    EXPECT_EQ (blocks.back().size(), 26u);
}

TEST (SynthesizerEmulatorFault, RefusesTheGivenProgramWriteOnly)
{
    SynthesizerEmulatorOptions options;
    options.nakOnProgramWrite = 1;
    EmulatorTestBench bench (options);
    auto& memory = bench.getEmulator().getMemory();
    const auto secondBefore = memory.getProgram (1);

    const int expectedTypes[] = {AnalyzedInformation::dataLoadCompleted, AnalyzedInformation::dataLoadError,
                                 AnalyzedInformation::dataLoadCompleted};

    for (int number = 0; number < 3; ++number)
        EXPECT_EQ (
            typeOf (bench.exchange (generator.createProgramDataDump (number, programBytes (number + 1)))),
            expectedTypes[number])
            << number;

    EXPECT_EQ (memory.getProgram (0), programBytes (1));
    EXPECT_EQ (memory.getProgram (1), secondBefore);
    EXPECT_EQ (memory.getProgram (2), programBytes (3));
    EXPECT_EQ (bench.getEmulator().getNumProgramWrites(), 2);
}
