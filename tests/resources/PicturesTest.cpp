#include "TolmVESKPictures.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>

namespace
{
struct PictureSize
{
    const char* resourceName;
    std::uint32_t width;
    std::uint32_t height;
};

void PrintTo (const PictureSize& picture, std::ostream* os)
{
    *os << picture.resourceName << " " << picture.width << "x" << picture.height;
}

// The pixel sizes the user interface relies on: most pictures are stored at
// twice the size at which they are drawn, so a wrong size shows as a blurred or
// misplaced picture.
constexpr std::array<PictureSize, 35> expectedPictures { {
    { "ApplicationIcon_png", 512, 512 },
    { "HeaderBackgroundTile_png", 64, 120 },
    { "Logo_png", 297, 96 },
    { "DisplayBezel_png", 518, 101 },
    { "DarkButtonFace_png", 140, 42 },
    { "RedButtonFace_png", 140, 42 },
    { "RightPaneTile_png", 64, 64 },
    { "TweetButton_png", 88, 39 },
    { "FavoriteButton_png", 183, 115 },
    { "FavoriteButtonDragOver_png", 183, 115 },
    { "FavoritesPage_png", 1476, 866 },
    { "InformationLabelBox_png", 307, 47 },
    { "TimbreATitle_png", 137, 38 },
    { "TimbreBTitle_png", 137, 38 },
    { "EffectsTitle_png", 137, 38 },
    { "VocoderTitle_png", 81, 22 },
    { "ArpeggiatorTitle_png", 119, 22 },
    { "ModFxTitle_png", 66, 22 },
    { "PreFxTitle_png", 59, 22 },
    { "RevDelayTitle_png", 92, 22 },
    { "OscillatorPanel_png", 307, 259 },
    { "AnalogLamp_png", 132, 64 },
    { "DwgsLamp_png", 108, 64 },
    { "PcmLamp_png", 89, 64 },
    { "MicInLamp_png", 105, 64 },
    { "FilterPanel_png", 307, 186 },
    { "AboutPicture_png", 1200, 800 },
    { "Refresh_png", 42, 34 },
    { "Retweet_png", 49, 34 },
    { "Delete_png", 49, 34 },
    { "AuthorizeButton_png", 398, 56 },
    { "BrowserBack_png", 42, 34 },
    { "BrowserForward_png", 42, 34 },
    { "BrowserReload_png", 42, 34 },
    { "BrowserOpenInBrowser_png", 45, 34 },
} };

std::uint32_t readBigEndian32 (const unsigned char* bytes) noexcept
{
    return (std::uint32_t (bytes[0]) << 24) | (std::uint32_t (bytes[1]) << 16)
           | (std::uint32_t (bytes[2]) << 8) | std::uint32_t (bytes[3]);
}

struct PngHeader
{
    bool valid = false;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// A PNG starts with an 8-byte signature followed by the IHDR chunk: its
// 4-byte length (13), the type "IHDR", then width and height, big-endian.
PngHeader readPngHeader (const char* data, int size) noexcept
{
    static constexpr unsigned char signature[] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n' };
    constexpr int headerBytes = 8 + 4 + 4 + 4 + 4;

    if (data == nullptr || size < headerBytes)
        return {};

    const auto* bytes = reinterpret_cast<const unsigned char*> (data);

    if (std::memcmp (bytes, signature, sizeof (signature)) != 0 || readBigEndian32 (bytes + 8) != 13
        || std::memcmp (bytes + 12, "IHDR", 4) != 0)
        return {};

    return { true, readBigEndian32 (bytes + 16), readBigEndian32 (bytes + 20) };
}

class PicturesTest : public ::testing::TestWithParam<PictureSize>
{
};

TEST_P (PicturesTest, isEmbeddedAsPngOfItsPixelSize)
{
    const auto& expected = GetParam();
    int size = 0;
    const char* data = TolmVESKPictures::getNamedResource (expected.resourceName, size);

    ASSERT_NE (data, nullptr) << expected.resourceName << " is not embedded";

    const auto header = readPngHeader (data, size);

    ASSERT_TRUE (header.valid) << expected.resourceName << " is not a PNG";
    EXPECT_EQ (header.width, expected.width);
    EXPECT_EQ (header.height, expected.height);
}

INSTANTIATE_TEST_SUITE_P (Catalogue, PicturesTest, ::testing::ValuesIn (expectedPictures),
                          [] (const ::testing::TestParamInfo<PictureSize>& testInfo)
                          {
                              std::string name (testInfo.param.resourceName);
                              return name.substr (0, name.size() - std::strlen ("_png"));
                          });

TEST (PngHeaderTest, rejectsDataThatIsNotAPng)
{
    const char notPng[] = "GIF89a....................";
    EXPECT_FALSE (readPngHeader (notPng, int (sizeof (notPng))).valid);
    EXPECT_FALSE (readPngHeader (nullptr, 0).valid);
}

TEST (PicturesCatalogueTest, embedsNoPictureOutsideTheCatalogue)
{
    EXPECT_EQ (TolmVESKPictures::namedResourceListSize, int (expectedPictures.size()));
}
} // namespace
