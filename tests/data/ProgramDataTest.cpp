#include "data/ProgramData.h"

#include <gtest/gtest.h>
#include <juce_cryptography/juce_cryptography.h>

using xTV200_data::ProgramData;

namespace
{
ProgramData programNamed (const std::vector<juce::uint8>& nameBytes)
{
    ProgramData program;
    for (size_t i = 0; i < nameBytes.size(); ++i)
        program.setByte (static_cast<int> (i), nameBytes[i]);
    return program;
}
} // namespace

TEST (ProgramData, StartsAsTheInitialProgram)
{
    const ProgramData program;
    const auto* bytes = program.getBytes();

    EXPECT_EQ (program.getName(), "INITPROG    ");
    EXPECT_EQ (bytes[15], 0x3C);
    EXPECT_EQ (bytes[52], 0x7F);
    EXPECT_EQ (bytes[296] | (bytes[297] << 8), 120);
    EXPECT_EQ (bytes[308], 0xFF);
    EXPECT_EQ (bytes[319], 0x00);
    EXPECT_EQ (program.getHash(), "c2f4605587c157c52c41c9fac56fc5d3");
    EXPECT_TRUE (program.getInformation().programmer.isEmpty());
}

TEST (ProgramData, InitializeRestoresBytesButKeepsTheTexts)
{
    ProgramData program;
    program.setByte (100, 0x55);
    program.getInformation().comment = "keep me";

    program.initialize();

    EXPECT_EQ (program.getHash(), ProgramData().getHash());
    EXPECT_EQ (program.getInformation().comment, "keep me");
}

TEST (ProgramData, NameRule)
{
    struct Case
    {
        std::vector<juce::uint8> bytes;
        juce::String expected;
    };

    const Case cases[] = {
        { { 'E', '.', 'P', 'i', 'a', 'n', 'o', ' ', '1', ' ', ' ', ' ' }, "E.Piano 1   " },
        { { 'L', 'e', 'a', 'd', 0x80, 'x', 'x', 'x', 'x', 'x', 'x', 'x' }, "Lead" },
        { { 'P', 'a', 'd', 0xFF, 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x' }, "Pad" },
        { { 'B', 'a', 's', 's', 0, 'x', 'x', 'x', 'x', 'x', 'x', 'x' }, "Bass" },
        { { 0, 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x' }, "" },
        { { 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L' }, "ABCDEFGHIJKL" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (programNamed (c.bytes).getName(), c.expected) << c.expected;
}

TEST (ProgramData, NameStopsAtTwelveCharactersWhateverFollows)
{
    auto program = programNamed ({ 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L' });
    program.setByte (ProgramData::categoryByte, 'M');

    EXPECT_EQ (program.getName(), "ABCDEFGHIJKL");
}

TEST (ProgramData, HashFollowsEveryByteAndIgnoresTheTexts)
{
    const ProgramData initial;

    for (int i = 0; i < ProgramData::numBytes; ++i)
    {
        ProgramData changed;
        changed.setByte (i, static_cast<juce::uint8> (initial.getByte (i) ^ 0x01));
        EXPECT_NE (changed.getHash(), initial.getHash()) << "byte " << i;
    }

    ProgramData commented;
    commented.getInformation().comment = "a different comment";
    EXPECT_EQ (commented.getHash(), initial.getHash());
}

TEST (ProgramData, SetBytesZeroFillsAShortSourceAndCutsALongOne)
{
    ProgramData program;
    const juce::uint8 shortSource[] = { 1, 2, 3 };
    program.setBytes (shortSource, sizeof (shortSource));

    EXPECT_EQ (program.getByte (2), 3);
    for (int i = 3; i < ProgramData::numBytes; ++i)
        ASSERT_EQ (program.getByte (i), 0) << i;

    std::vector<juce::uint8> longSource (400, 0xAB);
    program.setBytes (longSource.data(), longSource.size());
    EXPECT_EQ (program.getByte (319), 0xAB);
    EXPECT_EQ (program.getHash(), juce::MD5 (longSource.data(), 320).toHexString());
}

TEST (ProgramData, CopyFromTakesBytesTextsAndHash)
{
    ProgramData source;
    source.setByte (0, 'Z');
    source.getInformation().programmer = "someone";
    source.getInformation().youTubeLink = "link";

    ProgramData target;
    target.copyFrom (source);

    EXPECT_EQ (target, source);
    EXPECT_EQ (target.getHash(), source.getHash());
}
