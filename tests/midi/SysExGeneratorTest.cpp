#include "midi/SysExGenerator.h"

#include "midi/SevenBitPacking.h"

#include <gtest/gtest.h>

#include <vector>

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

juce::MemoryBlock blockOf (size_t size, juce::uint8 fill)
{
    juce::MemoryBlock block (size);
    block.fillWith (fill);
    return block;
}
} // namespace

TEST (SysExGenerator, HeaderValuesComeFromChannelAndTargetIds)
{
    const SysExGenerator generator (21, familyId, 0x85);
    EXPECT_EQ (generator.getChannel(), 5);
    EXPECT_EQ (generator.getFamilyByte1(), 0x01);
    EXPECT_EQ (generator.getFamilyByte2(), 0x18);
    EXPECT_EQ (generator.getMemberByte(), 0x05);
}

TEST (SysExGenerator, BuildsRequestsByteForByte)
{
    EXPECT_EQ (toBytes (SysExGenerator::createIdentityRequest()),
               (Bytes{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}));

    struct Case
    {
        int channel;
        int program;
        Bytes globalRequest;
        Bytes programRequest;
    };

    const std::vector<Case> cases{
        {0,
         0,
         {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x0E, 0xF7},
         {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x1C, 0x00, 0x00, 0xF7}},
        {5,
         299,
         {0xF0, 0x42, 0x35, 0x00, 0x01, 0x18, 0x0E, 0xF7},
         {0xF0, 0x42, 0x35, 0x00, 0x01, 0x18, 0x1C, 0x2B, 0x02, 0xF7}},
        {15,
         128,
         {0xF0, 0x42, 0x3F, 0x00, 0x01, 0x18, 0x0E, 0xF7},
         {0xF0, 0x42, 0x3F, 0x00, 0x01, 0x18, 0x1C, 0x00, 0x01, 0xF7}},
        {16,
         127,
         {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x0E, 0xF7},
         {0xF0, 0x42, 0x30, 0x00, 0x01, 0x18, 0x1C, 0x7F, 0x00, 0xF7}},
    };

    for (const auto& c : cases)
    {
        const SysExGenerator generator (c.channel, familyId);
        EXPECT_EQ (toBytes (generator.createGlobalDataDumpRequest()), c.globalRequest) << c.channel;
        EXPECT_EQ (toBytes (generator.createProgramDataDumpRequest (c.program)), c.programRequest)
            << c.program;
    }
}

TEST (SysExGenerator, BuildsDumpsWithHeaderPackedDataAndEnd)
{
    auto program = blockOf (320, 0x00);
    program[0] = static_cast<char> (0x80);
    program[319] = static_cast<char> (0xFF);
    auto global = blockOf (224, 0x11);
    global[223] = static_cast<char> (0x90);

    SysExGenerator generator (3, familyId);
    const auto current = toBytes (generator.createCurrentProgramDataDump (program));
    const auto dump = toBytes (generator.createProgramDataDump (299, program));
    const auto globalDump = toBytes (generator.createGlobalDataDump (global));

    ASSERT_EQ (current.size(), 374u);
    ASSERT_EQ (dump.size(), 376u);
    ASSERT_EQ (globalDump.size(), 264u);

    EXPECT_EQ (Bytes (current.begin(), current.begin() + 9),
               (Bytes{0xF0, 0x42, 0x33, 0x00, 0x01, 0x18, 0x40, 0x01, 0x00}));
    EXPECT_EQ (Bytes (dump.begin(), dump.begin() + 11),
               (Bytes{0xF0, 0x42, 0x33, 0x00, 0x01, 0x18, 0x4C, 0x2B, 0x02, 0x01, 0x00}));
    EXPECT_EQ (Bytes (globalDump.begin(), globalDump.begin() + 9),
               (Bytes{0xF0, 0x42, 0x33, 0x00, 0x01, 0x18, 0x51, 0x00, 0x11}));

    // Byte 319 is the fifth byte of the last, five-byte group at packed offset 360.
    EXPECT_EQ (current[7 + 360], 0x10);
    EXPECT_EQ (current[7 + 365], 0x7F);
    EXPECT_EQ (dump[9 + 360], 0x10);
    EXPECT_EQ (dump[9 + 365], 0x7F);
    // Byte 223 is the last of a whole group: group byte at packed offset 248.
    EXPECT_EQ (globalDump[7 + 248], 0x40);
    EXPECT_EQ (globalDump[7 + 255], 0x10);

    EXPECT_EQ (current.back(), 0xF7);
    EXPECT_EQ (dump.back(), 0xF7);
    EXPECT_EQ (globalDump.back(), 0xF7);
}

TEST (SysExGenerator, RefusesDataOfTheWrongSize)
{
    const SysExGenerator generator (0, familyId);

    for (const size_t size : {size_t (0), size_t (319), size_t (321), size_t (224)})
    {
        EXPECT_EQ (generator.createCurrentProgramDataDump (blockOf (size, 1)).getSize(), 0u) << size;
        EXPECT_EQ (generator.createProgramDataDump (0, blockOf (size, 1)).getSize(), 0u) << size;
    }

    for (const size_t size : {size_t (0), size_t (223), size_t (225), size_t (320)})
        EXPECT_EQ (generator.createGlobalDataDump (blockOf (size, 1)).getSize(), 0u) << size;
}
