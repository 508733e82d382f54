#include "data/LibraryData.h"
#include "data/container/SerializedDataHeaderReader.h"
#include "data/container/SerializedSectionDataReader.h"
#include "data/container/SerializedSectionDataWriter.h"
#include "data/xml/ProgramInformationXmlReaderWriter.h"
#include "data/xml/XmlDocumentText.h"

#include <gtest/gtest.h>
#include <juce_cryptography/juce_cryptography.h>

#include <random>

using data::SerializedData;
using xTV200_data::FavoriteData;
using xTV200_data::LibraryData;
using xTV200_data::ProgramData;

namespace
{
/** Writes containers by hand, so that tests can make the ones no writer makes. */
class RawContainer
{
public:
    RawContainer& header (const char* id, int headerSize, int dataSize, int count)
    {
        char idBytes[8] = {};
        std::memcpy (idBytes, id, juce::jmin<size_t> (std::strlen (id), 8));
        stream.write (idBytes, 8);
        stream.writeShort (static_cast<short> (headerSize));
        stream.writeInt (dataSize);
        stream.writeShort (0);
        stream.writeShort (0);
        stream.writeShort (0);
        stream.writeInt (count);
        stream.writeInt (0);
        stream.writeInt (-1);
        for (int i = 32; i < headerSize; ++i)
            stream.writeByte (0x5A);
        return *this;
    }

    RawContainer& section (const char* id, const juce::MemoryBlock& data, int headerSize = 32)
    {
        header (id, headerSize, static_cast<int> (data.getSize()), 1);
        stream.write (data.getData(), data.getSize());
        return *this;
    }

    SerializedData build() { return SerializedData (stream.getMemoryBlock()); }

private:
    juce::MemoryOutputStream stream;
};

juce::MemoryBlock bytesOf (const ProgramData& program)
{
    return juce::MemoryBlock (program.getBytes(), ProgramData::numBytes);
}

juce::MemoryBlock containerOf (const data::SerializableData& record)
{
    SerializedData out;
    record.serialize (out);
    return out.getBytes();
}

juce::uint8 byteAt (const juce::MemoryBlock& block, size_t index)
{
    return static_cast<juce::uint8> (block[index]);
}

juce::int32 int32At (const juce::MemoryBlock& block, size_t index)
{
    return static_cast<juce::int32> (juce::ByteOrder::littleEndianInt (block.begin() + index));
}

ProgramData distinctiveProgram()
{
    ProgramData program;
    program.setByte (0, 'S');
    program.setByte (200, 0x42);
    program.getInformation().programmer = "A. Programmer";
    program.getInformation().comment = "Warm & <bright> \"pad\" \xc3\xa9";
    return program;
}
} // namespace

TEST (SerializedContainer, ProgramContainerLayoutIsByteExact)
{
    const ProgramData program;
    const auto bytes = containerOf (program);

    const auto documentText = xTV200_data::XmlDocumentText::write (
        *xTV200_data::ProgramInformationXmlReaderWriter::createXml (program.getInformation()));
    const auto documentSize = documentText.getNumBytesAsUTF8() + 1;
    ASSERT_EQ (bytes.getSize(), 32 + 32 + 320 + 32 + documentSize);

    EXPECT_EQ (juce::String (static_cast<const char*> (bytes.getData()), 8), "TolmProg");
    EXPECT_EQ (int32At (bytes, 10), static_cast<juce::int32> (bytes.getSize() - 32));
    EXPECT_EQ (int32At (bytes, 20), 2);

    for (size_t headerStart : { size_t { 0 }, size_t { 32 }, size_t { 384 } })
    {
        EXPECT_EQ (byteAt (bytes, headerStart + 8), 0x20) << headerStart;
        EXPECT_EQ (byteAt (bytes, headerStart + 9), 0x00) << headerStart;
        for (size_t i = 14; i < 20; ++i)
            EXPECT_EQ (byteAt (bytes, headerStart + i), 0) << headerStart << ":" << i;
        for (size_t i = 24; i < 28; ++i)
            EXPECT_EQ (byteAt (bytes, headerStart + i), 0) << headerStart << ":" << i;
        for (size_t i = 28; i < 32; ++i)
            EXPECT_EQ (byteAt (bytes, headerStart + i), 0xFF) << headerStart << ":" << i;
    }

    EXPECT_EQ (juce::String (static_cast<const char*> (bytes.getData()) + 32, 8), "TolmPrgD");
    EXPECT_EQ (int32At (bytes, 32 + 10), 320);
    EXPECT_EQ (int32At (bytes, 32 + 20), 1);
    EXPECT_EQ (std::memcmp (bytes.begin() + 64, program.getBytes(), 320), 0);
    EXPECT_EQ (juce::String (static_cast<const char*> (bytes.getData()) + 384, 8), "TolmPrgI");
    EXPECT_EQ (int32At (bytes, 384 + 10), static_cast<juce::int32> (documentSize));
    EXPECT_EQ (byteAt (bytes, bytes.getSize() - 1), 0);
    EXPECT_TRUE (juce::String::fromUTF8 (bytes.begin() + 416)
                     .startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<TolmVESK_ProgramInformation>"));
}

TEST (SerializedContainer, LongIdsAreCutAndShortOnesPaddedWithZeros)
{
    SerializedData out;
    data::SerializedSectionDataWriter writer (out);
    writer.addSection ("Abc", nullptr, 0);
    writer.finish ("LongerThanEight");
    const auto& bytes = out.getBytes();

    EXPECT_EQ (juce::String (static_cast<const char*> (bytes.getData()), 8), "LongerTh");
    EXPECT_EQ (byteAt (bytes, 8), 0x20);
    const juce::uint8 expectedSectionId[8] = { 'A', 'b', 'c', 0, 0, 0, 0, 0 };
    EXPECT_EQ (std::memcmp (bytes.begin() + 32, expectedSectionId, 8), 0);
}

TEST (SerializedContainer, RecordsSurviveARoundTrip)
{
    LibraryData library;
    library.getProgram (0) = distinctiveProgram();
    library.getProgram (299).setByte (13, 7);
    library.getProgram (299).getInformation().comment = "last";
    library.getFavorites().setValue (5, 7, 299);

    LibraryData read;
    read.getProgram (10).setByte (0, 'X');
    ASSERT_TRUE (read.deserialize (SerializedData (containerOf (library))));
    EXPECT_EQ (read, library);

    ProgramData program;
    ASSERT_TRUE (program.deserialize (SerializedData (containerOf (distinctiveProgram()))));
    EXPECT_EQ (program, distinctiveProgram());
}

TEST (SerializedContainer, ProgramContainerEdgeCases)
{
    ProgramData program;
    program.setByte (3, 9);
    ASSERT_TRUE (program.deserialize (RawContainer().header ("TolmProg", 32, 0, 0).build()));
    EXPECT_EQ (program.getHash(), ProgramData().getHash());

    const juce::uint8 tenBytes[10] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    ASSERT_TRUE (program.deserialize (RawContainer()
                                          .header ("TolmProg", 32, 32 + 10, 1)
                                          .section ("TolmPrgD", juce::MemoryBlock (tenBytes, 10))
                                          .build()));
    EXPECT_EQ (program.getByte (9), 10);
    for (int i = 10; i < ProgramData::numBytes; ++i)
        ASSERT_EQ (program.getByte (i), 0) << i;
    EXPECT_EQ (program.getHash(), juce::MD5 (program.getBytes(), 320).toHexString());
}

TEST (SerializedContainer, UnknownSectionsAreSkippedAndLongerHeadersHonoured)
{
    const auto source = distinctiveProgram();
    const auto data = RawContainer()
                          .header ("TolmProg", 40, 2 * 32 + 8 + 4 + 320, 2)
                          .section ("Unknown1", juce::MemoryBlock ("abcd", 4))
                          .section ("TolmPrgD", bytesOf (source), 40)
                          .build();

    ProgramData program;
    ASSERT_TRUE (program.deserialize (data));
    EXPECT_EQ (program.getHash(), source.getHash());
}

TEST (SerializedContainer, ShortLibraryLeavesTheRemainingProgramsInitial)
{
    const auto first = distinctiveProgram();
    const auto programContainer = containerOf (first);

    LibraryData library;
    library.getProgram (5).setByte (0, 'X');
    ASSERT_TRUE (library.deserialize (RawContainer()
                                          .header ("TolmLibD", 32, 0, 3)
                                          .section ("TolmLibP", programContainer)
                                          .section ("Other___", juce::MemoryBlock (8))
                                          .section ("TolmLibP", programContainer)
                                          .build()));

    EXPECT_EQ (library.getProgram (0), first);
    EXPECT_EQ (library.getProgram (1), first);
    EXPECT_EQ (library.getProgram (5), ProgramData());
    EXPECT_EQ (library.getFavorites(), FavoriteData());
}

TEST (SerializedContainer, DamagedContainersAreRejected)
{
    const auto validProgram = containerOf (distinctiveProgram());

    struct Case
    {
        const char* what;
        SerializedData data;
    };

    const Case cases[] = {
        { "empty", SerializedData() },
        { "foreign type", RawContainer().header ("TolmFavS", 32, 0, 0).build() },
        { "type id in other case", RawContainer().header ("tolmprog", 32, 0, 0).build() },
        { "cut inside the container header", SerializedData (juce::MemoryBlock (validProgram.getData(), 20)) },
        { "negative section size",
          RawContainer().header ("TolmProg", 32, 0, 1).header ("TolmPrgD", 32, -5, 1).build() },
        { "section larger than the data",
          RawContainer().header ("TolmProg", 32, 0, 1).header ("TolmPrgD", 32, 1000, 1).build() },
        { "header size too small", RawContainer().header ("TolmProg", 8, 0, 0).build() },
        { "information that is not XML",
          RawContainer().header ("TolmProg", 32, 0, 1).section ("TolmPrgI", juce::MemoryBlock ("no xml", 7)).build() },
        { "information with another root",
          RawContainer()
              .header ("TolmProg", 32, 0, 1)
              .section ("TolmPrgI", juce::MemoryBlock ("<Other/>", 9))
              .build() },
        { "information that is not UTF-8",
          RawContainer()
              .header ("TolmProg", 32, 0, 1)
              .section ("TolmPrgI", juce::MemoryBlock ("<TolmVESK_ProgramInformation>\xff</TolmVESK_ProgramInformation>", 61))
              .build() },
    };

    for (const auto& c : cases)
    {
        ProgramData program;
        EXPECT_FALSE (program.deserialize (c.data)) << c.what;
        EXPECT_EQ (program.getHash(), juce::MD5 (program.getBytes(), 320).toHexString()) << c.what;
    }
}

TEST (SerializedContainer, DeeplyNestedInformationIsRejectedWithoutExhaustingTheStack)
{
    juce::String document = "<TolmVESK_ProgramInformation>";
    for (int i = 0; i < 100000; ++i)
        document << "<a>";

    const auto text = document.toStdString();
    ProgramData program;
    EXPECT_FALSE (program.deserialize (RawContainer()
                                           .header ("TolmProg", 32, 0, 1)
                                           .section ("TolmPrgI", juce::MemoryBlock (text.data(), text.size() + 1))
                                           .build()));
}

TEST (SerializedContainer, EveryTruncationOfAProgramContainerIsRejected)
{
    const auto valid = containerOf (distinctiveProgram());

    for (size_t length = 0; length < valid.getSize(); ++length)
    {
        ProgramData program;
        ASSERT_FALSE (program.deserialize (SerializedData (juce::MemoryBlock (valid.getData(), length))))
            << "length " << length;
    }
}

TEST (SerializedContainer, ForeignTypeLeavesTheRecordUntouched)
{
    auto program = distinctiveProgram();
    EXPECT_FALSE (program.deserialize (SerializedData (containerOf (FavoriteData()))));
    EXPECT_EQ (program, distinctiveProgram());
}

TEST (SerializedContainer, FailingLibrarySectionKeepsWhatWasReadBefore)
{
    const auto good = containerOf (distinctiveProgram());
    LibraryData library;

    EXPECT_FALSE (library.deserialize (RawContainer()
                                           .header ("TolmLibD", 32, 0, 2)
                                           .section ("TolmLibP", good)
                                           .section ("TolmLibP", juce::MemoryBlock ("junk", 4))
                                           .build()));
    EXPECT_EQ (library.getProgram (0), distinctiveProgram());
}

TEST (SerializedContainer, FavouriteDocumentReadingRule)
{
    const char* document = "<TolmVESK_Favorite>"
                           "<Bank><Data>1</Data><Data> 2x</Data><Data>-3</Data></Bank>"
                           "<bank><DATA>11</DATA><Data>12</Data><Data>13</Data><Data>14</Data><Data>15</Data>"
                           "<Data>16</Data><Data>17</Data><Data>18</Data><Data>19</Data></bank>"
                           "<Bank/><Bank/><Bank/><Bank><Data>60</Data></Bank><Bank><Data>70</Data></Bank>"
                           "</TolmVESK_Favorite>";
    FavoriteData favorites;
    ASSERT_TRUE (favorites.deserialize (RawContainer()
                                            .header ("TolmFavS", 32, 0, 1)
                                            .section ("TolmFavD", juce::MemoryBlock (document, std::strlen (document) + 1))
                                            .build()));

    const FavoriteData initial;
    EXPECT_EQ (favorites.getValue (0, 0), 1);
    EXPECT_EQ (favorites.getValue (0, 1), 2);
    EXPECT_EQ (favorites.getValue (0, 2), -3);
    EXPECT_EQ (favorites.getValue (0, 3), initial.getValue (0, 3));
    EXPECT_EQ (favorites.getValue (1, 0), 11);
    EXPECT_EQ (favorites.getValue (1, 7), 18);
    EXPECT_EQ (favorites.getValue (2, 0), initial.getValue (2, 0));
    EXPECT_EQ (favorites.getValue (5, 0), 60);
}

TEST (SerializedContainer, ReadersSurviveRandomDamage)
{
    LibraryData library;
    library.getProgram (0) = distinctiveProgram();
    const auto valid = containerOf (library);
    std::mt19937 random (20261210);

    for (int round = 0; round < 100; ++round)
    {
        juce::MemoryBlock damaged (valid);
        const auto flips = 1 + random() % 8;
        for (unsigned i = 0; i < flips; ++i)
            damaged[random() % damaged.getSize()] = static_cast<char> (random());

        if (round % 3 == 0)
            damaged.setSize (random() % damaged.getSize());

        LibraryData read;
        const bool accepted = read.deserialize (SerializedData (damaged));
        for (int i = 0; i < LibraryData::numPrograms; ++i)
            ASSERT_EQ (read.getProgram (i).getHash(), juce::MD5 (read.getProgram (i).getBytes(), 320).toHexString())
                << "round " << round << (accepted ? " accepted" : " rejected");
    }
}

TEST (SerializedDataHeaderReader, SkipsHeaderBytesItDoesNotKnow)
{
    auto data = RawContainer().header ("Section1", 40, 7, 1).build();
    data.getBytes().append ("Z", 1);

    juce::MemoryInputStream stream (data.getBytes(), false);
    data::SerializedDataHeaderReader reader (stream);

    ASSERT_EQ (reader.read(), 0);
    EXPECT_EQ (reader.id, "Section1");
    EXPECT_EQ (reader.headerSize, 40);
    EXPECT_EQ (reader.dataSize, 7);
    EXPECT_EQ (stream.getPosition(), 40);
    EXPECT_EQ (stream.readByte(), 'Z');

    juce::MemoryInputStream empty (nullptr, 0, false);
    EXPECT_EQ (data::SerializedDataHeaderReader (empty).read(), 1);
}
