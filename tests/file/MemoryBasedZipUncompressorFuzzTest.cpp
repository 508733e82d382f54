#include "file/ZipCrc32.h"
#include "ZipTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace
{
/** Damages a copy of an archive in one of the ways a disk, a transfer or an
    attacker would: flipped bytes, a cut, inserted or removed bytes, or a
    field overwritten with an extreme value. */
juce::MemoryBlock damage (const juce::MemoryBlock& archive, std::mt19937& random)
{
    auto copy = archive;
    auto position = [&] (size_t size)
    { return std::uniform_int_distribution<size_t> (0, size - 1) (random); };
    auto byte = [&] { return static_cast<char> (std::uniform_int_distribution<int> (0, 255) (random)); };

    switch (std::uniform_int_distribution<int> (0, 4) (random))
    {
    case 0:
        for (int i = std::uniform_int_distribution<int> (1, 4) (random); --i >= 0;)
            copy[position (copy.getSize())] = byte();
        break;

    case 1:
        copy.setSize (position (copy.getSize()));
        break;

    case 2:
    {
        const char inserted[] = {byte(), byte(), byte()};
        copy.insert (inserted, std::uniform_int_distribution<size_t> (1, 3) (random),
                     position (copy.getSize()));
        break;
    }

    case 3:
        copy.removeSection (position (copy.getSize()),
                            std::uniform_int_distribution<size_t> (1, 16) (random));
        break;

    default:
    {
        const juce::uint32 extremes[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFF};
        const auto offset = position (copy.getSize() - 4);
        test::setFieldAt (copy, offset, std::uniform_int_distribution<int> (0, 1) (random) == 0 ? 2 : 4,
                          extremes[std::uniform_int_distribution<size_t> (0, 5) (random)]);
        break;
    }
    }

    return copy;
}
} // namespace

TEST (MemoryBasedZipUncompressorFuzz, DamagedArchivesFailOrGiveEntriesThatMatchTheirChecksums)
{
    const auto archive =
        test::buildArchive ({{"FileInformation.xml", test::textBlock ("<Contents>text</Contents>"), 5},
                             {"Prog_000.prog_bin", test::randomBlock (320, 4), 5},
                             {"stored", test::textBlock ("stored entry"), 0},
                             {"empty", {}, 5}});
    std::mt19937 random (20130101);
    int rejected = 0;

    for (int round = 0; round < 4000; ++round)
    {
        auto uncompressor = test::openArchive (damage (archive, random));

        if (uncompressor->uncompressAll().failed() || uncompressor->getNumEntries() == 0)
        {
            ++rejected;
            continue;
        }

        std::set<juce::String> seen;

        for (int i = 0; i < uncompressor->getNumEntries(); ++i)
        {
            const auto& record = *uncompressor->getEntryRecord (i);

            // Only the first entry of a name is kept.
            if (! seen.insert (record.name).second)
                continue;

            const auto bytes = uncompressor->getEntryData (record.name);
            EXPECT_EQ (bytes.getSize(), record.uncompressedSize) << "round " << round;
            EXPECT_EQ (file::ZipCrc32::of (bytes), record.checksum) << "round " << round;
        }
    }

    // Most damage must be caught; the rest hit bytes nobody reads (stamps, versions).
    EXPECT_GT (rejected, 3000);
}
