#include "ZipTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
enum class Outcome
{
    noZipArchive,
    damagedDirectory,
    damagedEntry
};

struct RejectionCase
{
    const char* what;
    std::function<void (juce::MemoryBlock&, const test::ArchiveLayout&)> damage;
    Outcome outcome;
    const char* message;
};

juce::MemoryBlock validArchive()
{
    return test::buildArchive (
        {{"first", test::textBlock ("first entry, first entry, first entry, first"), 5},
         {"second", test::textBlock ("stored bytes"), 0},
         {"third", test::randomBlock (100, 3), 5}});
}

void truncateTo (juce::MemoryBlock& archive, size_t size)
{
    archive.setSize (size);
}

size_t central (const juce::MemoryBlock& archive, const test::ArchiveLayout& layout, int index)
{
    return layout.centralRecord (archive, index);
}

void addTo (juce::MemoryBlock& archive, size_t offset, int size, juce::int64 delta)
{
    const auto value = static_cast<juce::int64> (test::fieldAt (archive, offset, size)) + delta;
    test::setFieldAt (archive, offset, size, static_cast<juce::uint32> (value));
}

const std::vector<RejectionCase>& rejectionCases()
{
    using Archive = juce::MemoryBlock;
    using Layout = test::ArchiveLayout;

    static const std::vector<RejectionCase> cases{
        {"truncated inside the end record",
         [] (Archive& a, const Layout&) { truncateTo (a, a.getSize() - 1); }, Outcome::noZipArchive, ""},
        {"truncated inside the directory",
         [] (Archive& a, const Layout& l) { truncateTo (a, l.directory + 10); }, Outcome::noZipArchive, ""},
        {"truncated inside the entry data",
         [] (Archive& a, const Layout& l) { truncateTo (a, l.localData (a, 1) + 2); }, Outcome::noZipArchive,
         ""},
        {"bytes cut out of the first entry",
         [] (Archive& a, const Layout& l) { a.removeSection (l.localData (a, 0), 5); },
         Outcome::damagedDirectory, "outside the archive"},
        {"directory offset beyond the file",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, l.endRecord + 16, 4, 0xFFFFFF00); },
         Outcome::damagedDirectory, "outside the archive"},
        {"directory size reaching into the end record",
         [] (Archive& a, const Layout& l) { addTo (a, l.endRecord + 12, 4, 1); }, Outcome::damagedDirectory,
         "outside the archive"},
        {"more entries counted than recorded",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, l.endRecord + 10, 2, 4); },
         Outcome::damagedDirectory, "shorter than its entry count"},
        {"directory record with a wrong signature",
         [] (Archive& a, const Layout& l) { a[central (a, l, 1)] = 'X'; }, Outcome::damagedDirectory,
         "wrong signature"},
        {"name length running past the directory",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, central (a, l, 2) + 28, 2, 0xFFFF); },
         Outcome::damagedDirectory, "runs past the directory"},
        {"local header offset at the directory",
         [] (Archive& a, const Layout& l)
         { test::setFieldAt (a, central (a, l, 1) + 42, 4, static_cast<juce::uint32> (l.directory)); },
         Outcome::damagedDirectory, "outside the entry data"},
        {"two records sharing one local header",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, central (a, l, 2) + 42, 4, 0); },
         Outcome::damagedDirectory, "share one local header"},
        {"local header with a wrong signature",
         [] (Archive& a, const Layout& l) { a[l.localHeader (a, 1)] = 'X'; }, Outcome::damagedEntry,
         "Damaged local header: second"},
        {"compressed size reaching into the next entry",
         [] (Archive& a, const Layout& l) { addTo (a, central (a, l, 0) + 20, 4, 1); }, Outcome::damagedEntry,
         "Damaged local header: first"},
        {"compressed size far beyond the file",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, central (a, l, 2) + 20, 4, 0xFFFFFFFF); },
         Outcome::damagedEntry, "Damaged local header: third"},
        {"local extra field reaching into the next entry",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, l.localHeader (a, 0) + 28, 2, 1000); },
         Outcome::damagedEntry, "Damaged local header: first"},
        {"wrong CRC-32", [] (Archive& a, const Layout& l) { addTo (a, central (a, l, 0) + 16, 4, 1); },
         Outcome::damagedEntry, "CRC-32 does not match: first"},
        {"flipped bits in the stored data",
         [] (Archive& a, const Layout& l) { a[l.localData (a, 1)] ^= 0x20; }, Outcome::damagedEntry,
         "CRC-32 does not match: second"},
        {"flipped bits in the deflated data",
         [] (Archive& a, const Layout& l) { a[l.localData (a, 2) + 40] ^= 0x01; }, Outcome::damagedEntry,
         ": third"},
        {"uncompressed size claimed one larger",
         [] (Archive& a, const Layout& l) { addTo (a, central (a, l, 0) + 24, 4, 1); }, Outcome::damagedEntry,
         "Entry size does not match: first"},
        {"uncompressed size claimed one smaller",
         [] (Archive& a, const Layout& l) { addTo (a, central (a, l, 0) + 24, 4, -1); },
         Outcome::damagedEntry, "Entry size does not match: first"},
        {"stored entry with two sizes",
         [] (Archive& a, const Layout& l) { addTo (a, central (a, l, 1) + 24, 4, 1); }, Outcome::damagedEntry,
         "Damaged entry: second"},
        {"entry claiming more than the entry limit",
         [] (Archive& a, const Layout& l) {
             test::setFieldAt (a, central (a, l, 2) + 24, 4,
                               file::MemoryBasedZipUncompressor::maxEntrySize + 1);
         },
         Outcome::damagedEntry, "Entry is too large: third"},
        {"entries claiming more than the total limit",
         [] (Archive& a, const Layout& l)
         {
             for (int i = 0; i < 3; ++i)
                 test::setFieldAt (
                     a, central (a, l, i) + 24, 4,
                     static_cast<juce::uint32> (file::MemoryBasedZipUncompressor::maxTotalSize / 2));
         },
         Outcome::damagedEntry, "too large to uncompress"},
        {"unknown compression method",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, central (a, l, 0) + 10, 2, 12); },
         Outcome::damagedEntry, "Compression method is not supported: first"},
        {"encrypted entry",
         [] (Archive& a, const Layout& l) { test::setFieldAt (a, central (a, l, 0) + 8, 2, 1); },
         Outcome::damagedEntry, "Encrypted entry is not supported: first"},
    };

    return cases;
}
} // namespace

TEST (MemoryBasedZipUncompressorRejection, FailsOnEveryKindOfDamage)
{
    for (const auto& c : rejectionCases())
    {
        SCOPED_TRACE (c.what);
        auto archive = validArchive();
        const test::ArchiveLayout layout (archive);
        c.damage (archive, layout);

        auto uncompressor = test::openArchive (archive);
        const auto result = uncompressor->uncompressAll();

        switch (c.outcome)
        {
        case Outcome::noZipArchive:
            EXPECT_EQ (uncompressor->getNumEntries(), 0);
            EXPECT_TRUE (result.wasOk());
            break;

        case Outcome::damagedDirectory:
            EXPECT_EQ (uncompressor->getNumEntries(), 0);
            EXPECT_TRUE (result.getErrorMessage().startsWith ("Damaged zip archive: "))
                << result.getErrorMessage();
            break;

        case Outcome::damagedEntry:
            EXPECT_EQ (uncompressor->getNumEntries(), 3);
            EXPECT_TRUE (result.failed());
            break;
        }

        EXPECT_TRUE (result.getErrorMessage().contains (c.message)) << result.getErrorMessage();
    }
}

TEST (MemoryBasedZipUncompressorRejection, StopsInflatingABombAtTheSizeItClaims)
{
    // 4 MiB of zeros deflate to a few KiB; the directory claims 1000 bytes.
    juce::MemoryBlock zeros (4 * 1024 * 1024, true);
    auto archive = test::buildArchive ({{"bomb", zeros, 9}});
    const test::ArchiveLayout layout (archive);
    ASSERT_LT (archive.getSize(), 16u * 1024);
    test::setFieldAt (archive, layout.centralRecord (archive, 0) + 24, 4, 1000);

    auto uncompressor = test::openArchive (archive);
    EXPECT_EQ (uncompressor->uncompressAll().getErrorMessage(), "Entry size does not match: bomb");
    EXPECT_FALSE (uncompressor->hasEntry ("bomb"));
}
