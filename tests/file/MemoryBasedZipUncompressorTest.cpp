#include "ZipTestSupport.h"

#include <gtest/gtest.h>

namespace
{
std::vector<test::ZipTestEntry> severalEntries()
{
    return {
        {"FavoriteData.fav_data", test::textBlock ("<?xml version=\"1.0\"?>\r\n<Bank/>"), 5},
        {"Prog_000.prog_bin", test::randomBlock (320, 1), 0},
        {"empty", {}, 5},
        {"empty stored", {}, 0},
        {"random", test::randomBlock (64 * 1024, 2), 5},
        {juce::String::fromUTF8 (u8"\u00dcbersicht \u6f22\u5b57.xml"), test::textBlock ("text"), 9},
    };
}
} // namespace

TEST (MemoryBasedZipUncompressor, ReadsBackEveryEntryOfAFileItsBuilderWrote)
{
    const auto entries = severalEntries();
    const auto archive = test::buildArchive (entries);
    juce::TemporaryFile file (".tvlib");
    ASSERT_TRUE (file.getFile().replaceWithData (archive.getData(), archive.getSize()));

    file::MemoryBasedZipUncompressor uncompressor (file.getFile());
    ASSERT_EQ (uncompressor.getNumEntries(), static_cast<int> (entries.size()));
    ASSERT_TRUE (uncompressor.uncompressAll().wasOk());

    for (size_t i = 0; i < entries.size(); ++i)
    {
        const auto* record = uncompressor.getEntryRecord (static_cast<int> (i));
        ASSERT_NE (record, nullptr);
        EXPECT_EQ (record->name, entries[i].name);
        EXPECT_EQ (record->compressed, entries[i].compressionLevel > 0) << entries[i].name;
        EXPECT_EQ (record->uncompressedSize, entries[i].data.getSize()) << entries[i].name;
        EXPECT_TRUE (uncompressor.hasEntry (entries[i].name)) << entries[i].name;
        EXPECT_TRUE (test::sameBytes (uncompressor.getEntryData (entries[i].name), entries[i].data))
            << entries[i].name;
    }
}

TEST (MemoryBasedZipUncompressor, DecodesTheFixedStampAsNewYear2013LocalTime)
{
    auto uncompressor = test::openArchive (test::buildArchive ({{"a", test::textBlock ("a"), 5}}));
    ASSERT_EQ (uncompressor->getNumEntries(), 1);

    EXPECT_EQ (uncompressor->getEntryRecord (0)->modificationTime, juce::Time (2013, 0, 1, 0, 0, 0, 0, true));
    EXPECT_EQ (uncompressor->getEntryRecord (1), nullptr);
    EXPECT_EQ (uncompressor->getEntryRecord (-1), nullptr);
}

TEST (MemoryBasedZipUncompressor, KeepsTheFirstOfTwoEntriesWithTheSameNameAndComparesNamesExactly)
{
    auto uncompressor = test::openArchive (test::buildArchive ({{"Same", test::textBlock ("first"), 5},
                                                                {"Same", test::textBlock ("second"), 5},
                                                                {"same", test::textBlock ("lower"), 0}}));
    ASSERT_TRUE (uncompressor->uncompressAll().wasOk());

    EXPECT_TRUE (test::sameBytes (uncompressor->getEntryData ("Same"), test::textBlock ("first")));
    EXPECT_TRUE (test::sameBytes (uncompressor->getEntryData ("same"), test::textBlock ("lower")));
    EXPECT_FALSE (uncompressor->hasEntry ("SAME"));
    EXPECT_EQ (uncompressor->getEntryData ("SAME").getSize(), 0u);
}

TEST (MemoryBasedZipUncompressor, FailsAtAFolderEntryAndKeepsTheEntriesBeforeIt)
{
    auto uncompressor = test::openArchive (test::buildArchive (
        {{"before", test::textBlock ("b"), 5}, {"folder/", {}, 0}, {"after", test::textBlock ("a"), 5}}));
    const auto result = uncompressor->uncompressAll();

    EXPECT_EQ (result.getErrorMessage(), "Folder entry is not supported: folder/");
    EXPECT_TRUE (uncompressor->hasEntry ("before"));
    EXPECT_FALSE (uncompressor->hasEntry ("after"));
}

TEST (MemoryBasedZipUncompressor, FindsTheEndRecordBehindAComment)
{
    struct Case
    {
        int commentLength;
        bool found;
    };

    for (const auto c : {Case{0, true}, Case{1000, true}, Case{1024, true}, Case{1025, false}})
    {
        auto archive = test::buildArchive ({{"a", test::textBlock ("abc"), 5}});
        test::setFieldAt (archive, archive.getSize() - 2, 2, static_cast<juce::uint32> (c.commentLength));
        archive.append (juce::String::repeatedString ("c", c.commentLength).toRawUTF8(),
                        static_cast<size_t> (c.commentLength));

        auto uncompressor = test::openArchive (archive);
        EXPECT_EQ (uncompressor->getNumEntries(), c.found ? 1 : 0) << c.commentLength;
        EXPECT_TRUE (uncompressor->uncompressAll().wasOk()) << c.commentLength;
    }
}

TEST (MemoryBasedZipUncompressor, GivesNoEntriesAndNoFailureForWhatIsNoZipArchive)
{
    juce::TemporaryFile missing;
    file::MemoryBasedZipUncompressor fromMissingFile (missing.getFile());
    EXPECT_EQ (fromMissingFile.getNumEntries(), 0);
    EXPECT_TRUE (fromMissingFile.uncompressAll().wasOk());

    const juce::MemoryBlock inputs[] = {
        {},
        test::textBlock ("PK\x05\x06 short"),
        test::textBlock ("<?xml version=\"1.0\"?><NotAZip/> and some more text to be longer than a record"),
        test::buildArchive ({}),
    };

    for (const auto& input : inputs)
    {
        auto uncompressor = test::openArchive (input);
        EXPECT_EQ (uncompressor->getNumEntries(), 0) << input.toString();
        EXPECT_TRUE (uncompressor->uncompressAll().wasOk()) << input.toString();
    }
}

TEST (MemoryBasedZipUncompressor, TakesNamesThatAreNotUtf8AsLatin1)
{
    // Older tools write names in a code page; their bytes must still give a
    // usable name, never an invalid string.
    auto archive = test::buildArchive ({ { "cafe", test::textBlock ("x"), 0 } });
    const test::ArchiveLayout layout (archive);
    archive[30 + 3] = static_cast<char> (0xE9);
    archive[layout.centralRecord (archive, 0) + 46 + 3] = static_cast<char> (0xE9);

    auto uncompressor = test::openArchive (archive);
    ASSERT_TRUE (uncompressor->uncompressAll().wasOk());
    EXPECT_TRUE (uncompressor->hasEntry (juce::String::fromUTF8 (u8"caf\u00e9")));
}
