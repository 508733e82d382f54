#include "file/ZipCrc32.h"

#include <gtest/gtest.h>

TEST (ZipCrc32, GivesTheStandardChecksumsOfKnownTexts)
{
    struct Case
    {
        const char* text;
        juce::uint32 checksum;
    };

    const Case cases[] = {
        {"", 0x00000000},
        {"a", 0xE8B7BE43},
        {"123456789", 0xCBF43926},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
    };

    for (const auto& c : cases)
        EXPECT_EQ (file::ZipCrc32::update (0, c.text, strlen (c.text)), c.checksum) << c.text;
}

TEST (ZipCrc32, ContinuesAcrossChunks)
{
    const char* text = "123456789";
    auto checksum = file::ZipCrc32::update (0, text, 4);
    checksum = file::ZipCrc32::update (checksum, text + 4, 5);

    EXPECT_EQ (checksum, 0xCBF43926u);
}
