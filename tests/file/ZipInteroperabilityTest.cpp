#include "ZipTestSupport.h"

#include <gtest/gtest.h>

namespace
{
std::vector<test::ZipTestEntry> interchangeEntries()
{
    return {
        {"FileInformation.xml",
         test::textBlock ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<Data/>\r\n"), 5},
        {"Prog_000.prog_bin", test::randomBlock (320, 5), 0},
        {"empty", {}, 5},
        {"random", test::randomBlock (64 * 1024, 6), 5},
    };
}

juce::MemoryBlock readJuceEntry (juce::ZipFile& zip, int index)
{
    std::unique_ptr<juce::InputStream> stream (zip.createStreamForEntry (index));
    juce::MemoryBlock bytes;

    if (stream != nullptr)
        stream->readIntoMemoryBlock (bytes);

    return bytes;
}
} // namespace

TEST (ZipInteroperability, AnotherReaderReadsOurArchives)
{
    const auto entries = interchangeEntries();
    juce::MemoryInputStream input (test::buildArchive (entries), true);
    juce::ZipFile zip (input);

    ASSERT_EQ (zip.getNumEntries(), static_cast<int> (entries.size()));

    for (int i = 0; i < zip.getNumEntries(); ++i)
    {
        const auto& expected = entries[static_cast<size_t> (i)];
        const auto* entry = zip.getEntry (i);
        ASSERT_NE (entry, nullptr);
        EXPECT_EQ (entry->filename, expected.name);
        EXPECT_EQ (entry->uncompressedSize, static_cast<juce::int64> (expected.data.getSize()))
            << expected.name;
        EXPECT_EQ (entry->fileTime, juce::Time (2013, 0, 1, 0, 0, 0, 0, true)) << expected.name;
        EXPECT_TRUE (test::sameBytes (readJuceEntry (zip, i), expected.data)) << expected.name;
    }
}

TEST (ZipInteroperability, ReadsArchivesOfAnotherWriter)
{
    // That writer sets the UTF-8 name flag and writes real modification
    // stamps; neither matters to the reader. Its stamps store whole seconds
    // where two-second units belong, so the test uses a full minute.
    const auto entries = interchangeEntries();
    const juce::Time stamp (2021, 6, 15, 13, 45, 0, 0, true);
    juce::ZipFile::Builder builder;

    for (const auto& entry : entries)
        builder.addEntry (new juce::MemoryInputStream (entry.data, false), entry.compressionLevel, entry.name,
                          stamp);

    juce::MemoryOutputStream output;
    ASSERT_TRUE (builder.writeToStream (output, nullptr));

    auto uncompressor = test::openArchive (output.getMemoryBlock());
    ASSERT_EQ (uncompressor->getNumEntries(), static_cast<int> (entries.size()));
    ASSERT_TRUE (uncompressor->uncompressAll().wasOk());

    for (int i = 0; i < uncompressor->getNumEntries(); ++i)
    {
        const auto& expected = entries[static_cast<size_t> (i)];
        EXPECT_EQ (uncompressor->getEntryRecord (i)->name, expected.name);
        EXPECT_EQ (uncompressor->getEntryRecord (i)->modificationTime, stamp) << expected.name;
        EXPECT_TRUE (test::sameBytes (uncompressor->getEntryData (expected.name), expected.data))
            << expected.name;
    }
}
