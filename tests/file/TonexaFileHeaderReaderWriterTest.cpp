#include "file/TonexaFileHeaderReaderWriter.h"
#include "TonexaTestFileWriter.h"

#include <gtest/gtest.h>

namespace
{
using Writer = test::TonexaTestFileWriter;

juce::MemoryBlock withLeadingBytes (int numLeadingBytes, const juce::MemoryBlock& block)
{
    return Writer::concatenate ({juce::MemoryBlock (static_cast<size_t> (numLeadingBytes), true), block});
}

TEST (TonexaFileHeaderReaderWriterTest, ReadsTheFieldsAndMovesByTheHeaderLength)
{
    const auto bytes = withLeadingBytes (
        5, Writer::concatenate ({Writer::header ("TV200PrgS", -568, 300, 40), juce::MemoryBlock (20, true)}));
    juce::MemoryInputStream stream (bytes, false);
    stream.setPosition (5);
    xTV200_file::TonexaFileHeaderReaderWriter header;

    ASSERT_EQ (header.read (stream), 0);
    EXPECT_TRUE (header.hasMagic ("TV200PrgS"));
    EXPECT_FALSE (header.hasMagic ("TV200PrgD"));
    EXPECT_FALSE (header.hasMagic ("TV200PrgS "));
    EXPECT_EQ (header.getHeaderLength(), 40);
    EXPECT_EQ (header.getDataLength(), -568);
    EXPECT_EQ (header.getCount(), 300);
    EXPECT_EQ (stream.getPosition(), 45);
}

TEST (TonexaFileHeaderReaderWriterTest, HeaderLengthIsUnsigned)
{
    const auto bytes = Writer::header ("TV200AllD", 0, 3, 0xffff);
    juce::MemoryInputStream stream (bytes, false);
    xTV200_file::TonexaFileHeaderReaderWriter header;

    ASSERT_EQ (header.read (stream), 0);
    EXPECT_EQ (header.getHeaderLength(), 65535);
}

TEST (TonexaFileHeaderReaderWriterTest, RefusesAHeaderCutShortAndStaysWhereItWas)
{
    const auto whole = Writer::header ("TV200GlbD", 224, 0);

    for (const size_t size : {size_t{0}, size_t{1}, size_t{9}, size_t{31}})
    {
        const auto bytes = withLeadingBytes (3, Writer::prefix (whole, size));
        juce::MemoryInputStream stream (bytes, false);
        stream.setPosition (3);
        xTV200_file::TonexaFileHeaderReaderWriter header;

        EXPECT_EQ (header.read (stream), 1) << size;
        EXPECT_EQ (stream.getPosition(), 3) << size;
        EXPECT_FALSE (header.hasMagic ("TV200GlbD")) << size;
    }
}
} // namespace
