#include "midi/emulator/EmulatorTestBench.h"

#include "data/FavoriteData.h"
#include "data/ProgramData.h"
#include "midi/GlobalDataFavorites.h"
#include "midi/MidiMessageAnalyzer.h"
#include "midi/SysExGenerator.h"

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

AnalyzedInformation analyze (const Bytes& message)
{
    return MidiMessageAnalyzer().analyze (message.data(), message.size(), familyId);
}

juce::MemoryBlock patternBlock (size_t size, int seed)
{
    juce::MemoryBlock block (size);

    for (size_t index = 0; index < size; ++index)
        block[index] = static_cast<char> ((index * 13 + static_cast<size_t> (seed)) & 0xFF);

    return block;
}

SynthesizerEmulatorOptions onChannel (int channel)
{
    SynthesizerEmulatorOptions options;
    options.channel = channel;
    return options;
}
} // namespace

TEST (SynthesizerEmulator, AnswersTheDeviceSearchEchoingTheIndex)
{
    EmulatorTestBench bench (onChannel (3));

    const Bytes expected{0xF0, 0x42, 0x50, 0x01, 0x03, 0x05, 0x18, 0x01,
                         0x01, 0x00, 0x01, 0x00, 0x02, 0x00, 0xF7};
    EXPECT_EQ (bench.exchange (Bytes{0xF0, 0x42, 0x50, 0x00, 0x05, 0xF7}), expected);
    EXPECT_EQ (bench.getEmulator().getNumBytesReceived(), 6);
    EXPECT_EQ (bench.getEmulator().getNumBytesSent(), 15);
    EXPECT_EQ (bench.getEmulator().getNumMessagesReceived(), 1);
}

TEST (SynthesizerEmulator, AnswersTheIdentityRequestAsADeviceOfTheFamily)
{
    SynthesizerEmulatorOptions options;
    options.channel = 9;
    options.memberId = 0x0203;
    EmulatorTestBench bench (options);

    const auto reply = bench.exchange (SysExGenerator::createIdentityRequest());

    const Bytes expected{0xF0, 0x7E, 0x09, 0x06, 0x02, 0x42, 0x18, 0x01,
                         0x03, 0x02, 0x01, 0x00, 0x02, 0x00, 0xF7};
    EXPECT_EQ (reply, expected);
    const auto information = analyze (reply);
    EXPECT_TRUE (MidiMessageAnalyzer::isTargetDeviceIdentity (information, familyId));
    EXPECT_EQ (MidiMessageAnalyzer::getIdentityChannel (information), 9);
}

TEST (SynthesizerEmulator, SendsTheDumpsItIsAskedFor)
{
    EmulatorTestBench bench (onChannel (2));
    auto& memory = bench.getEmulator().getMemory();
    const SysExGenerator generator (2, familyId);

    const auto program = bench.exchange (generator.createProgramDataDumpRequest (299));
    EXPECT_EQ (program, toBytes (generator.createProgramDataDump (299, memory.getProgram (299))));
    EXPECT_EQ (analyze (program).getValue(), 299);

    const auto current = bench.exchange (Bytes{0xF0, 0x42, 0x32, 0x00, 0x01, 0x18, 0x10, 0xF7});
    EXPECT_EQ (current, toBytes (generator.createCurrentProgramDataDump (memory.getProgram (0))));

    const auto global = bench.exchange (generator.createGlobalDataDumpRequest());
    EXPECT_EQ (global, toBytes (generator.createGlobalDataDump (memory.getGlobalData())));
}

TEST (SynthesizerEmulator, StartsWithTheFactoryProgramsAndFavouritesZeroToFortySeven)
{
    EmulatorTestBench bench;
    auto& memory = bench.getEmulator().getMemory();
    const auto& initial = xTV200_data::ProgramData::getInitialBytes();
    const juce::MemoryBlock initialProgram (initial.data(), initial.size());

    EXPECT_NE (memory.getProgram (0), initialProgram);
    EXPECT_NE (memory.getProgram (0), memory.getProgram (1));
    EXPECT_EQ (memory.getProgram (0).getSize(), 320u);

    xTV200_data::FavoriteData favorites;
    ASSERT_TRUE (xTV200_midi::GlobalDataFavorites::read (memory.getGlobalData(), favorites));

    for (int bank = 0; bank < xTV200_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < xTV200_data::FavoriteData::numSlots; ++slot)
            EXPECT_EQ (favorites.getValue (bank, slot), bank * 8 + slot);
}

TEST (SynthesizerEmulator, StoresReceivedDumpsAndAcknowledgesThem)
{
    EmulatorTestBench bench;
    auto& emulator = bench.getEmulator();
    const SysExGenerator generator (0, familyId);
    const auto program = patternBlock (320, 1);
    const auto current = patternBlock (320, 2);
    const auto global = patternBlock (224, 3);

    EXPECT_EQ (analyze (bench.exchange (generator.createProgramDataDump (7, program))).getType(),
               AnalyzedInformation::dataLoadCompleted);
    EXPECT_EQ (analyze (bench.exchange (generator.createCurrentProgramDataDump (current))).getType(),
               AnalyzedInformation::dataLoadCompleted);
    EXPECT_EQ (analyze (bench.exchange (generator.createGlobalDataDump (global))).getType(),
               AnalyzedInformation::dataLoadCompleted);

    EXPECT_EQ (emulator.getMemory().getProgram (7), program);
    EXPECT_EQ (emulator.getMemory().getCurrentProgram(), current);
    EXPECT_EQ (emulator.getMemory().getGlobalData(), global);
    EXPECT_EQ (emulator.getNumProgramWrites(), 1);
    EXPECT_EQ (emulator.getNumCurrentProgramsReceived(), 1);
}

TEST (SynthesizerEmulator, WriteProtectRefusesMemoryWritesButTakesTheCurrentProgram)
{
    SynthesizerEmulatorOptions options;
    options.writeProtected = true;
    EmulatorTestBench bench (options);
    auto& memory = bench.getEmulator().getMemory();
    const auto programBefore = memory.getProgram (7);
    const auto globalBefore = memory.getGlobalData();
    const SysExGenerator generator (0, familyId);
    const auto current = patternBlock (320, 2);

    EXPECT_EQ (
        analyze (bench.exchange (generator.createProgramDataDump (7, patternBlock (320, 1)))).getType(),
        AnalyzedInformation::dataLoadError);
    EXPECT_EQ (analyze (bench.exchange (generator.createGlobalDataDump (patternBlock (224, 3)))).getType(),
               AnalyzedInformation::dataLoadError);
    EXPECT_EQ (analyze (bench.exchange (generator.createCurrentProgramDataDump (current))).getType(),
               AnalyzedInformation::dataLoadCompleted);

    EXPECT_EQ (memory.getProgram (7), programBefore);
    EXPECT_EQ (memory.getGlobalData(), globalBefore);
    EXPECT_EQ (memory.getCurrentProgram(), current);
    EXPECT_EQ (bench.getEmulator().getNumProgramWrites(), 0);
}

TEST (SynthesizerEmulator, RefusesProgramNumbersOutOfRangeAndShortDumps)
{
    EmulatorTestBench bench;
    const SysExGenerator generator (0, familyId);
    auto shortDump = toBytes (generator.createProgramDataDump (5, patternBlock (320, 4)));
    shortDump.erase (shortDump.end() - 2);

    struct Case
    {
        const char* name;
        Bytes message;
        int expectedType;
    };

    const Case cases[] = {
        {"request 300", toBytes (generator.createProgramDataDumpRequest (300)),
         AnalyzedInformation::dataLoadError},
        {"request 16383", toBytes (generator.createProgramDataDumpRequest (16383)),
         AnalyzedInformation::dataLoadError},
        {"dump 300", toBytes (generator.createProgramDataDump (300, patternBlock (320, 4))),
         AnalyzedInformation::dataLoadError},
        {"short dump", shortDump, AnalyzedInformation::dataFormatError},
    };

    for (const auto& c : cases)
        EXPECT_EQ (analyze (bench.exchange (c.message)).getType(), c.expectedType) << c.name;

    EXPECT_EQ (bench.getEmulator().getNumProgramWrites(), 0);
}

TEST (SynthesizerEmulator, AnswersMakerMessagesOnItsOwnChannelOnly)
{
    EmulatorTestBench bench (onChannel (5));
    const SysExGenerator otherChannel (4, familyId);
    const SysExGenerator ownChannel (5, familyId);

    ASSERT_TRUE (bench.send (otherChannel.createProgramDataDumpRequest (1)));
    ASSERT_TRUE (bench.send (otherChannel.createProgramDataDump (1, patternBlock (320, 6))));
    ASSERT_TRUE (bench.send (SysExGenerator (5, 0x0119).createGlobalDataDumpRequest()));
    ASSERT_TRUE (bench.send (Bytes{0xF0, 0x7E, 0x04, 0x06, 0x01, 0xF7})); // identity request to channel 4
    EXPECT_EQ (bench.getNumReplies(), 0u);

    const auto reply = bench.exchange (ownChannel.createProgramDataDumpRequest (1));
    ASSERT_EQ (reply.size(), 376u);
    EXPECT_EQ (reply[2], 0x35);
    EXPECT_EQ (bench.exchange (Bytes{0xF0, 0x7E, 0x05, 0x06, 0x01, 0xF7}).size(), 15u);
    EXPECT_EQ (bench.getEmulator().getNumProgramWrites(), 0);
}

TEST (SynthesizerEmulator, FavouritesWrittenIntoTheGlobalDataReadBack)
{
    EmulatorTestBench bench;
    const SysExGenerator generator (0, familyId);

    auto global = analyze (bench.exchange (generator.createGlobalDataDumpRequest())).getData();
    ASSERT_EQ (global.getSize(), 224u);
    const juce::MemoryBlock ownPart (global.getData(), 128);

    xTV200_data::FavoriteData favorites;

    for (int bank = 0; bank < xTV200_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < xTV200_data::FavoriteData::numSlots; ++slot)
            favorites.setValue (bank, slot, 299 - bank * 8 - slot);

    ASSERT_TRUE (xTV200_midi::GlobalDataFavorites::write (global, favorites));
    EXPECT_EQ (analyze (bench.exchange (generator.createGlobalDataDump (global))).getType(),
               AnalyzedInformation::dataLoadCompleted);

    const auto readBack = analyze (bench.exchange (generator.createGlobalDataDumpRequest())).getData();
    xTV200_data::FavoriteData favoritesReadBack;
    ASSERT_TRUE (xTV200_midi::GlobalDataFavorites::read (readBack, favoritesReadBack));
    EXPECT_EQ (favoritesReadBack, favorites);
    EXPECT_EQ (juce::MemoryBlock (readBack.getData(), 128), ownPart);
}

TEST (SynthesizerEmulator, SurvivesOddInputAndKeepsAnswering)
{
    EmulatorTestBench bench;
    const Bytes odd[] = {
        {0xF0, 0xF7},
        {0xF0, 0x42, 0xF7},
        {0xF0, 0x42, 0x30, 0xF7},
        {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x1C, 0xF7}, // program request without its number
        {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x4C, 0x01, 0xF7},
        {0xF0, 0x7E, 0xF7},
        {0xF0, 0x42, 0x50, 0x00, 0xF7},
    };

    for (const auto& message : odd)
        bench.send (message);

    // Bytes that make no SysEx message never reach the message handling: a
    // program request sent right after them still counts.
    const Bytes noise{0x42, 0x90, 0x40, 0xF7, 0xF7, 0x00};
    const auto request = toBytes (SysExGenerator (0, familyId).createProgramDataDumpRequest (4));
    Bytes noiseThenRequest (noise);
    noiseThenRequest.insert (noiseThenRequest.end(), request.begin(), request.end());

    EXPECT_EQ (analyze (bench.exchange (noiseThenRequest)).getValue(), 4);
    EXPECT_TRUE (bench.getEmulator().isRunning());
}
