#include "midi/MidiMessageAnalyzer.h"

#include "midi/SysExGenerator.h"

#include <gtest/gtest.h>

#include <vector>

using xTV200_midi::AnalyzedInformation;
using xTV200_midi::MidiMessageAnalyzer;
using xTV200_midi::SysExGenerator;

namespace
{
using Bytes = std::vector<juce::uint8>;
constexpr int familyId = 0x118;

Bytes toBytes (const juce::MemoryBlock& block)
{
    const auto* begin = static_cast<const juce::uint8*> (block.getData());
    return Bytes (begin, begin + block.getSize());
}

juce::MemoryBlock randomBlock (size_t size, juce::int64 seed)
{
    juce::Random random (seed);
    juce::MemoryBlock block (size);
    for (size_t i = 0; i < size; ++i)
        block[i] = static_cast<char> (random.nextInt (256));
    return block;
}

Bytes reply (int function, juce::uint8 channelByte = 0x30)
{
    return {0xF0, 0x42, channelByte, 0x00, 0x01, 0x18, static_cast<juce::uint8> (function), 0xF7};
}

Bytes identityReply (juce::uint8 maker = 0x42)
{
    return {0xF0, 0x7E, 0x05, 0x06, 0x02, maker, 0x18, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7};
}

const SysExGenerator generator (0, familyId);

Bytes programDump (int program)
{
    return toBytes (generator.createProgramDataDump (program, randomBlock (320, 1)));
}
Bytes currentDump()
{
    return toBytes (generator.createCurrentProgramDataDump (randomBlock (320, 2)));
}
Bytes globalDump()
{
    return toBytes (generator.createGlobalDataDump (randomBlock (224, 3)));
}

Bytes shortenedBy (Bytes bytes, size_t count)
{
    bytes.erase (bytes.end() - static_cast<std::ptrdiff_t> (count + 1), bytes.end() - 1);
    return bytes;
}

Bytes withByte (Bytes bytes, size_t index, juce::uint8 value)
{
    bytes[index] = value;
    return bytes;
}

Bytes withExtraDataByte (Bytes bytes)
{
    bytes.insert (bytes.end() - 1, 0x00);
    return bytes;
}

AnalyzedInformation analyze (const Bytes& bytes)
{
    return MidiMessageAnalyzer().analyze (bytes.data(), bytes.size(), familyId);
}
} // namespace

TEST (MidiMessageAnalyzer, ClassifiesEveryKindAndRejectsDamage)
{
    struct Case
    {
        const char* name;
        Bytes message;
        int type;
        int value;
    };

    const auto program = programDump (299);
    const std::vector<Case> cases{
        {"identity reply", identityReply(), AnalyzedInformation::identityReply, 0},
        {"identity reply of 14 bytes", shortenedBy (identityReply(), 1), AnalyzedInformation::none, 0},
        {"identity reply of 16 bytes", withExtraDataByte (identityReply()), AnalyzedInformation::none, 0},
        {"identity request", toBytes (SysExGenerator::createIdentityRequest()), AnalyzedInformation::none, 0},
        {"identity reply without F7", withByte (identityReply(), 14, 0x00), AnalyzedInformation::none, 0},
        {"current program request", reply (0x10), AnalyzedInformation::currentProgramRequest, 0},
        {"global request", reply (0x0E), AnalyzedInformation::globalRequest, 0},
        {"program request",
         {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x1C, 0x2B, 0x02, 0xF7},
         AnalyzedInformation::programRequest,
         299},
        {"program request without number", reply (0x1C), AnalyzedInformation::none, 0},
        {"program request without high byte",
         {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x1C, 0x2B, 0xF7},
         AnalyzedInformation::none,
         0},
        {"write completed", reply (0x21), AnalyzedInformation::writeCompleted, 0},
        {"write error", reply (0x22), AnalyzedInformation::writeError, 0},
        {"data load completed", reply (0x23), AnalyzedInformation::dataLoadCompleted, 0},
        {"data load error", reply (0x24), AnalyzedInformation::dataLoadError, 0},
        {"data format error", reply (0x26), AnalyzedInformation::dataFormatError, 0},
        {"unknown function", reply (0x25), AnalyzedInformation::none, 0},
        {"reply on another channel", reply (0x23, 0x3F), AnalyzedInformation::dataLoadCompleted, 0},
        {"reply with extra data", withExtraDataByte (reply (0x23)), AnalyzedInformation::dataLoadCompleted,
         0},
        {"reply without F7", withByte (reply (0x23), 7, 0x00), AnalyzedInformation::none, 0},
        {"wrong manufacturer", withByte (reply (0x23), 1, 0x41), AnalyzedInformation::none, 0},
        {"wrong high nibble", withByte (reply (0x23), 2, 0x20), AnalyzedInformation::none, 0},
        {"wrong family", withByte (reply (0x23), 5, 0x19), AnalyzedInformation::none, 0},
        {"family bytes swapped", withByte (withByte (reply (0x23), 4, 0x18), 5, 0x01),
         AnalyzedInformation::none, 0},
        {"seven bytes", {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x23}, AnalyzedInformation::none, 0},
        {"seven bytes with F7", {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0xF7}, AnalyzedInformation::none, 0},
        {"empty", {}, AnalyzedInformation::none, 0},
        {"one byte", {0xF0}, AnalyzedInformation::none, 0},
        {"two bytes", {0xF0, 0x42}, AnalyzedInformation::none, 0},
        {"no F0", withByte (reply (0x23), 0, 0x00), AnalyzedInformation::none, 0},
        {"status byte in body", withByte (reply (0x23), 3, 0x90), AnalyzedInformation::none, 0},
        {"program dump", program, AnalyzedInformation::programDump, 299},
        {"program dump of 375 bytes", shortenedBy (program, 1), AnalyzedInformation::broken, 0},
        {"program dump without data", shortenedBy (program, 366), AnalyzedInformation::broken, 0},
        {"program dump with extra data", withExtraDataByte (program), AnalyzedInformation::programDump, 299},
        {"program dump without F7", withByte (program, 375, 0x00), AnalyzedInformation::broken, 0},
        {"program dump with a status byte", withByte (program, 100, 0xF8), AnalyzedInformation::broken, 0},
        {"current program dump", currentDump(), AnalyzedInformation::currentProgramDump, 0},
        {"current program dump of 373 bytes", shortenedBy (currentDump(), 1), AnalyzedInformation::broken, 0},
        {"global dump", globalDump(), AnalyzedInformation::globalDump, 0},
        {"global dump of 263 bytes", shortenedBy (globalDump(), 1), AnalyzedInformation::broken, 0},
        {"global dump of another family", withByte (globalDump(), 4, 0x02), AnalyzedInformation::none, 0},
    };

    for (const auto& c : cases)
    {
        const auto information = analyze (c.message);
        EXPECT_EQ (information.getType(), c.type) << c.name;
        EXPECT_EQ (information.getValue(), c.value) << c.name;

        if (c.type != AnalyzedInformation::identityReply && c.type != AnalyzedInformation::programDump &&
            c.type != AnalyzedInformation::currentProgramDump && c.type != AnalyzedInformation::globalDump)
        {
            EXPECT_EQ (information.getData().getSize(), 0u) << c.name;
        }
    }
}

TEST (MidiMessageAnalyzer, DecodesTheDataOfEveryDump)
{
    const auto program = randomBlock (320, 11);
    const auto global = randomBlock (224, 12);
    const SysExGenerator onChannel9 (9, familyId);
    const MidiMessageAnalyzer analyzer;

    const auto dump = analyzer.analyze (onChannel9.createProgramDataDump (257, program), familyId);
    EXPECT_EQ (dump.getType(), AnalyzedInformation::programDump);
    EXPECT_EQ (dump.getValue(), 257);
    EXPECT_EQ (dump.getData(), program);

    const auto current = analyzer.analyze (onChannel9.createCurrentProgramDataDump (program), familyId);
    EXPECT_EQ (current.getType(), AnalyzedInformation::currentProgramDump);
    EXPECT_EQ (current.getData(), program);

    const auto globalDump = analyzer.analyze (onChannel9.createGlobalDataDump (global), familyId);
    EXPECT_EQ (globalDump.getType(), AnalyzedInformation::globalDump);
    EXPECT_EQ (globalDump.getData(), global);

    const auto identity = identityReply();
    EXPECT_EQ (toBytes (analyze (identity).getData()), identity);
}

TEST (MidiMessageAnalyzer, ChecksTheIdentityReplyOfTheTargetDevice)
{
    const auto ours = analyze (identityReply());
    EXPECT_TRUE (MidiMessageAnalyzer::isTargetDeviceIdentity (ours, familyId));
    EXPECT_FALSE (MidiMessageAnalyzer::isTargetDeviceIdentity (ours, 0x119));
    EXPECT_EQ (MidiMessageAnalyzer::getIdentityChannel (ours), 5);

    const auto otherMaker = analyze (identityReply (0x41));
    EXPECT_EQ (otherMaker.getType(), AnalyzedInformation::identityReply);
    EXPECT_FALSE (MidiMessageAnalyzer::isTargetDeviceIdentity (otherMaker, familyId));

    const auto otherFamily = analyze (withByte (identityReply(), 6, 0x19));
    EXPECT_FALSE (MidiMessageAnalyzer::isTargetDeviceIdentity (otherFamily, familyId));

    const auto notIdentity = analyze (reply (0x23));
    EXPECT_FALSE (MidiMessageAnalyzer::isTargetDeviceIdentity (notIdentity, familyId));
    EXPECT_EQ (MidiMessageAnalyzer::getIdentityChannel (notIdentity), -1);
}

TEST (MidiMessageAnalyzer, SurvivesRandomAndMutatedInput)
{
    const std::vector<Bytes> seeds{
        identityReply(), reply (0x23), programDump (5),
        currentDump(),   globalDump(), {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x1C, 0x01, 0x00, 0xF7}};
    juce::Random random (20261210);
    const MidiMessageAnalyzer analyzer;

    for (int iteration = 0; iteration < 20000; ++iteration)
    {
        Bytes message;

        if (random.nextBool())
        {
            message.resize (static_cast<size_t> (random.nextInt (400)));
            for (auto& byte : message)
                byte = static_cast<juce::uint8> (random.nextInt (256));
            if (! message.empty() && random.nextBool())
                message[0] = 0xF0;
        }
        else
        {
            message = seeds[static_cast<size_t> (random.nextInt (static_cast<int> (seeds.size())))];
            message.resize (static_cast<size_t> (random.nextInt (static_cast<int> (message.size()) + 2)));
            for (int i = random.nextInt (3); i > 0 && ! message.empty(); --i)
                message[static_cast<size_t> (random.nextInt (static_cast<int> (message.size())))] =
                    static_cast<juce::uint8> (random.nextInt (256));
        }

        // A copy on the heap of exactly the message's size lets a sanitizer catch any read past the end.
        const std::unique_ptr<juce::uint8[]> exact (new juce::uint8[message.size() + 1]);
        std::copy (message.begin(), message.end(), exact.get());
        const auto information = analyzer.analyze (exact.get(), message.size(), familyId);

        const auto type = information.getType();
        const auto dataSize = information.getData().getSize();
        ASSERT_TRUE (type == 0 || type == 1 || (type >= 3 && type <= 9) || (type >= 11 && type <= 15))
            << type;

        switch (type)
        {
        case AnalyzedInformation::programDump:
        case AnalyzedInformation::currentProgramDump:
            ASSERT_EQ (dataSize, 320u);
            break;
        case AnalyzedInformation::globalDump:
            ASSERT_EQ (dataSize, 224u);
            break;
        case AnalyzedInformation::identityReply:
            ASSERT_EQ (dataSize, 15u);
            break;
        default:
            ASSERT_EQ (dataSize, 0u);
            break;
        }

        if (type == AnalyzedInformation::programDump || type == AnalyzedInformation::programRequest)
        {
            ASSERT_TRUE (information.getValue() >= 0 && information.getValue() < 16384);
        }
        else
        {
            ASSERT_EQ (information.getValue(), 0);
        }

        if (type != AnalyzedInformation::none && type != AnalyzedInformation::broken)
        {
            ASSERT_EQ (message.back(), 0xF7) << "only complete messages are recognised";
        }
    }
}
