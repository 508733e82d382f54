#include "ZipTestSupport.h"

#include <new>

#include <gtest/gtest.h>

namespace
{
struct Field
{
    const char* what;
    size_t offset;
    int size;
    juce::uint32 expected;
};

void expectFields (const juce::MemoryBlock& archive, const std::vector<Field>& fields)
{
    for (const auto& field : fields)
    {
        ASSERT_LE (field.offset + static_cast<size_t> (field.size), archive.getSize()) << field.what;
        EXPECT_EQ (test::fieldAt (archive, field.offset, field.size), field.expected)
            << field.what << " at " << field.offset;
    }
}

juce::String textAt (const juce::MemoryBlock& archive, size_t offset, size_t size)
{
    return juce::String::fromUTF8 (static_cast<const char*> (archive.getData()) + offset,
                                   static_cast<int> (size));
}

juce::MemoryBlock inflateRaw (const juce::MemoryBlock& archive, size_t offset, size_t size)
{
    juce::MemoryInputStream compressed (static_cast<const char*> (archive.getData()) + offset, size, false);
    juce::GZIPDecompressorInputStream inflater (&compressed, false,
                                                juce::GZIPDecompressorInputStream::deflateFormat);
    juce::MemoryBlock result;
    inflater.readIntoMemoryBlock (result);
    return result;
}

/** Two entries with known CRC-32s: "hello" stored, a pangram deflated. */
class MemoryBasedZipBuilderLayout : public testing::Test
{
protected:
    void SetUp() override
    {
        archive = test::buildArchive (
            {{"hello.txt", test::textBlock ("hello"), 0}, {"data.bin", test::textBlock (pangram), 5}});
        secondHeader = 30 + 9 + 5;
        compressedSize = test::fieldAt (archive, secondHeader + 18, 4);
        directory = secondHeader + 30 + 8 + compressedSize;
    }

    static constexpr const char* pangram = "The quick brown fox jumps over the lazy dog";
    static constexpr juce::uint32 helloCrc = 0x3610A686;
    static constexpr juce::uint32 pangramCrc = 0x414FA339;

    juce::MemoryBlock archive;
    size_t secondHeader = 0, compressedSize = 0, directory = 0;
};
} // namespace

TEST_F (MemoryBasedZipBuilderLayout, WritesLocalHeadersFieldByField)
{
    expectFields (archive, {
                               {"signature", 0, 4, 0x04034B50},
                               {"version needed", 4, 2, 10},
                               {"flags", 6, 2, 0},
                               {"method stored", 8, 2, 0},
                               {"time", 10, 2, 0x0000},
                               {"date", 12, 2, 0x4221},
                               {"crc", 14, 4, helloCrc},
                               {"compressed size", 18, 4, 5},
                               {"uncompressed size", 22, 4, 5},
                               {"name length", 26, 2, 9},
                               {"extra length", 28, 2, 0},
                               {"second signature", secondHeader, 4, 0x04034B50},
                               {"second version needed", secondHeader + 4, 2, 10},
                               {"second flags", secondHeader + 6, 2, 0},
                               {"method deflate", secondHeader + 8, 2, 8},
                               {"second time", secondHeader + 10, 2, 0x0000},
                               {"second date", secondHeader + 12, 2, 0x4221},
                               {"second crc", secondHeader + 14, 4, pangramCrc},
                               {"second uncompressed size", secondHeader + 22, 4, 43},
                               {"second name length", secondHeader + 26, 2, 8},
                               {"second extra length", secondHeader + 28, 2, 0},
                           });

    EXPECT_EQ (textAt (archive, 30, 9), "hello.txt");
    EXPECT_EQ (textAt (archive, 39, 5), "hello");
    EXPECT_EQ (textAt (archive, secondHeader + 30, 8), "data.bin");
    EXPECT_TRUE (
        test::sameBytes (inflateRaw (archive, secondHeader + 38, compressedSize), test::textBlock (pangram)));
}

TEST_F (MemoryBasedZipBuilderLayout, WritesTheCentralDirectoryAndEndRecordFieldByField)
{
    const auto second = directory + 46 + 9;
    const auto end = second + 46 + 8;

    expectFields (archive,
                  {
                      {"signature", directory, 4, 0x02014B50},
                      {"version made by", directory + 4, 2, 20},
                      {"version needed", directory + 6, 2, 10},
                      {"flags", directory + 8, 2, 0},
                      {"method", directory + 10, 2, 0},
                      {"time", directory + 12, 2, 0x0000},
                      {"date", directory + 14, 2, 0x4221},
                      {"crc", directory + 16, 4, helloCrc},
                      {"compressed size", directory + 20, 4, 5},
                      {"uncompressed size", directory + 24, 4, 5},
                      {"name length", directory + 28, 2, 9},
                      {"extra length", directory + 30, 2, 0},
                      {"comment length", directory + 32, 2, 0},
                      {"disk number", directory + 34, 2, 0},
                      {"internal attributes", directory + 36, 2, 0},
                      {"external attributes", directory + 38, 4, 0},
                      {"header offset", directory + 42, 4, 0},
                      {"second signature", second, 4, 0x02014B50},
                      {"second method", second + 10, 2, 8},
                      {"second date", second + 14, 2, 0x4221},
                      {"second crc", second + 16, 4, pangramCrc},
                      {"second compressed size", second + 20, 4, static_cast<juce::uint32> (compressedSize)},
                      {"second uncompressed size", second + 24, 4, 43},
                      {"second name length", second + 28, 2, 8},
                      {"second header offset", second + 42, 4, static_cast<juce::uint32> (secondHeader)},
                      {"end signature", end, 4, 0x06054B50},
                      {"this disk", end + 4, 2, 0},
                      {"directory disk", end + 6, 2, 0},
                      {"entries on disk", end + 8, 2, 2},
                      {"total entries", end + 10, 2, 2},
                      {"directory size", end + 12, 4, 46 + 9 + 46 + 8},
                      {"directory offset", end + 16, 4, static_cast<juce::uint32> (directory)},
                      {"comment length", end + 20, 2, 0},
                  });

    EXPECT_EQ (textAt (archive, directory + 46, 9), "hello.txt");
    EXPECT_EQ (textAt (archive, second + 46, 8), "data.bin");
    EXPECT_EQ (archive.getSize(), end + 22);
}

TEST (MemoryBasedZipBuilder, WritesAnArchiveWithoutEntriesAsTheEndRecordAlone)
{
    const auto archive = test::buildArchive ({});

    const juce::uint8 expected[22] = {0x50, 0x4B, 0x05, 0x06};
    ASSERT_EQ (archive.getSize(), 22u);
    EXPECT_TRUE (test::sameBytes (archive, juce::MemoryBlock (expected, sizeof (expected))));
}

TEST (MemoryBasedZipBuilder, DeflatesAnEmptyEntryToAnEmptyFinalBlock)
{
    const auto archive = test::buildArchive ({{"empty", {}, 5}});

    expectFields (archive, {
                               {"method", 8, 2, 8},
                               {"crc", 14, 4, 0},
                               {"compressed size", 18, 4, 2},
                               {"uncompressed size", 22, 4, 0},
                               {"deflate end block", 35, 2, 0x0003},
                           });
}

TEST (MemoryBasedZipBuilder, StoresUnderTheStoredPathWhenOneIsGiven)
{
    file::MemoryBasedZipBuilder builder;
    builder.addEntry ("name", test::textBlock ("x"), 0, juce::String::fromUTF8 (u8"f\u00f6lder/\u00e9.xml"));
    juce::MemoryOutputStream output;
    ASSERT_TRUE (builder.writeToStream (output));
    const auto archive = output.getMemoryBlock();

    // Written as UTF-8 although the UTF-8 flag stays clear.
    EXPECT_EQ (test::fieldAt (archive, 6, 2), 0u);
    EXPECT_EQ (test::fieldAt (archive, 26, 2), 14u);
    EXPECT_EQ (textAt (archive, 30, 14), juce::String::fromUTF8 (u8"f\u00f6lder/\u00e9.xml"));
}

TEST (MemoryBasedZipBuilder, CountsOffsetsFromWhereTheStreamStood)
{
    juce::MemoryOutputStream output;
    output << "prefix";
    file::MemoryBasedZipBuilder builder;
    builder.addEntry ("a", test::textBlock ("abc"), 0);
    builder.addEntry ("b", test::textBlock ("def"), 0);
    ASSERT_TRUE (builder.writeToStream (output));

    auto archive = output.getMemoryBlock();
    archive.removeSection (0, 6);
    const test::ArchiveLayout layout (archive);

    EXPECT_EQ (layout.directory, 2u * (30 + 1 + 3));
    EXPECT_EQ (layout.localHeader (archive, 0), 0u);
    EXPECT_EQ (layout.localHeader (archive, 1), 34u);
}

TEST (MemoryBasedZipBuilder, RefusesWhatTheSixteenBitFieldsCannotHold)
{
    struct Case
    {
        const char* what;
        int numEntries;
        int nameLength;
    };

    const Case cases[] = {
        {"65536 entries", 65536, 1},
        {"a name of 65536 bytes", 1, 65536},
    };

    for (const auto& c : cases)
    {
        file::MemoryBasedZipBuilder builder;

        for (int i = 0; i < c.numEntries; ++i)
            builder.addEntry (juce::String::repeatedString ("n", c.nameLength), {}, 0);

        juce::MemoryOutputStream output;
        EXPECT_FALSE (builder.writeToStream (output)) << c.what;
        EXPECT_EQ (output.getDataSize(), 0u) << c.what;
    }

    file::MemoryBasedZipBuilder largest;
    largest.addEntry (juce::String::repeatedString ("n", 65535), {}, 0);
    juce::MemoryOutputStream output;
    EXPECT_TRUE (largest.writeToStream (output));
}

namespace
{
juce::MemoryBlock deflateWithJuce (const juce::MemoryBlock& data, int level)
{
    juce::MemoryOutputStream compressed;
    {
        juce::GZIPCompressorOutputStream deflater (compressed, level,
                                                   juce::GZIPCompressorOutputStream::windowBitsRaw);
        deflater.write (data.getData(), data.getSize());
        deflater.flush();
    }
    return compressed.getMemoryBlock();
}

/** Text with repeats, so that the deflater finds matches, and a little noise. */
juce::MemoryBlock compressibleBlock (int index)
{
    juce::String text;

    for (int line = 0; line < 20 + index % 7; ++line)
        text << "<Entry index=\"" << index << "\" line=\"" << line << "\">value " << (line * index) % 97
             << "</Entry>\n";

    juce::MemoryBlock block (text.toRawUTF8(), text.getNumBytesAsUTF8());
    block.append (test::randomBlock (static_cast<size_t> (index % 13), index).getData(),
                  static_cast<size_t> (index % 13));
    return block;
}
} // namespace

// Enough data for the two compressing threads, with levels changing from
// entry to entry so that every thread switches its deflater's level.
TEST (MemoryBasedZipBuilder, LargeArchivesHoldTheSameDeflateStreamsAsASingleStreamPerEntry)
{
    constexpr int numEntries = 240;
    const int levels[] = {5, 0, 9, 5, 1};
    std::vector<test::ZipTestEntry> entries;

    for (int i = 0; i < numEntries; ++i)
        entries.push_back ({"entry" + juce::String (i), compressibleBlock (i), levels[i % 5]});

    const auto archive = test::buildArchive (entries);
    size_t header = 0;

    // The deflaters are kept from archive to archive, at whatever level the
    // last entry left them: a second archive must not differ.
    EXPECT_TRUE (test::sameBytes (test::buildArchive (entries), archive));

    for (const auto& entry : entries)
    {
        ASSERT_LE (header + 30, archive.getSize());
        const auto nameLength = test::fieldAt (archive, header + 26, 2);
        const auto compressed = test::fieldAt (archive, header + 18, 4);
        const auto dataStart = header + 30 + nameLength;
        ASSERT_LE (dataStart + compressed, archive.getSize());

        const juce::MemoryBlock stored (static_cast<const char*> (archive.getData()) + dataStart, compressed);
        const auto expected = entry.compressionLevel > 0 ? deflateWithJuce (entry.data, entry.compressionLevel)
                                                         : entry.data;
        EXPECT_TRUE (test::sameBytes (stored, expected)) << entry.name;
        header = dataStart + compressed;
    }

    auto reader = test::openArchive (archive);
    ASSERT_TRUE (reader->uncompressAll().wasOk());

    for (const auto& entry : entries)
        EXPECT_TRUE (test::sameBytes (reader->getEntryData (entry.name), entry.data)) << entry.name;
}

namespace
{
/** The archive of the entries, every other one added as a deferred entry
    whose maker notes when it runs. */
juce::MemoryBlock buildHalfDeferredArchive (const std::vector<test::ZipTestEntry>& entries,
                                            std::vector<size_t>& makersRun)
{
    file::MemoryBasedZipBuilder builder;
    makersRun.clear();

    for (size_t i = 0; i < entries.size(); ++i)
    {
        const auto& entry = entries[i];

        if (i % 2 == 0)
            builder.addEntry (entry.name, entry.data, entry.compressionLevel);
        else
            builder.addDeferredEntry (entry.name, [&entry, &makersRun, i]
                                      {
                                          makersRun.push_back (i);
                                          return entry.data;
                                      },
                                      entry.compressionLevel);
    }

    juce::MemoryOutputStream output;
    EXPECT_TRUE (builder.writeToStream (output));
    return output.getMemoryBlock();
}
} // namespace

// Few entries are compressed on the calling thread, many on two threads, one
// of which runs the makers first; either way the makers run once each, in
// the order of their entries, and the archive keeps the order of addition.
TEST (MemoryBasedZipBuilder, DeferredEntriesGiveTheArchiveOfTheSameEntriesAddedDirectly)
{
    for (const size_t numEntries : {3, 400})
    {
        std::vector<test::ZipTestEntry> entries;
        std::vector<size_t> expectedMakers;

        for (size_t i = 0; i < numEntries; ++i)
        {
            const auto index = static_cast<int> (i);
            entries.push_back ({"entry" + juce::String (index), compressibleBlock (index), i % 3 == 2 ? 0 : 5});

            if (i % 2 == 1)
                expectedMakers.push_back (i);
        }

        std::vector<size_t> makersRun;
        const auto archive = buildHalfDeferredArchive (entries, makersRun);

        EXPECT_TRUE (test::sameBytes (archive, test::buildArchive (entries))) << numEntries << " entries";
        EXPECT_EQ (makersRun, expectedMakers) << numEntries << " entries";
    }
}

TEST (MemoryBasedZipBuilder, AMakerThatRunsOutOfMemoryRefusesTheArchiveAndWritesNothing)
{
    file::MemoryBasedZipBuilder builder;
    builder.addEntry ("first", compressibleBlock (1), 5);
    builder.addDeferredEntry ("failing", []() -> juce::MemoryBlock { throw std::bad_alloc(); }, 5);

    juce::MemoryOutputStream output;
    EXPECT_FALSE (builder.writeToStream (output));
    EXPECT_EQ (output.getDataSize(), 0u);
}
