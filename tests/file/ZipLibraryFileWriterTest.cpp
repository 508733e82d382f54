#include "file/ZipLibraryFileWriter.h"
#include "file/FileResultCodes.h"
#include "file/LibraryFileWriter.h"
#include "LibraryFileTestSupport.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace
{
const char* const declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n";

TEST (ZipLibraryFileWriter, WritesALibraryAs602EntriesInTheirOrder)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("All.tvlib");
    const auto library = test::makeDistinctLibrary();

    ASSERT_EQ (xTV200_file::LibraryFileWriter (*library).write (file), file::WriteResult::noError);

    juce::StringArray expected{"FavoriteData.fav_data"};
    for (int index = 0; index < 300; ++index)
    {
        const auto base = juce::String::formatted ("Prog_%03d", index);
        expected.add (base + ".prog_bin");
        expected.add (base + ".prog_info");
    }
    expected.add ("FileInformation.xml");

    const auto bytes = test::readFile (file);
    EXPECT_EQ (test::entryNames (bytes), expected);

    // Every entry deflated (method 8), as other tools expect of our files.
    const auto archive = test::openArchive (bytes);
    for (int index = 0; index < archive->getNumEntries(); ++index)
        EXPECT_EQ (archive->getEntryRecord (index)->method, 8) << index;
}

TEST (ZipLibraryFileWriter, WritesTheTableOfContentsAndDocumentsByteForByte)
{
    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("One.tvpreset");

    xTV200_data::FavoriteData favorites;
    for (int slot = 0; slot < 8; ++slot)
        favorites.setValue (5, slot, 290 + slot);

    xTV200_data::PresetInformation preset;
    preset.dataID = "ID-42";
    preset.name = "Night & Day";
    preset.author = juce::String::fromUTF8 ("Zo\xc3\xab");
    preset.version = -3;
    preset.date = "2024/05/06";
    preset.prefix = "<N>";
    preset.copyright = "\"C\"";

    xTV200_data::ProgramData program;
    program.getInformation().programmer = "A & B";
    program.getInformation().comment = juce::String::fromUTF8 ("caf\xc3\xa9 <1>");
    program.getInformation().playListID = "never written";

    xTV200_file::ZipLibraryFileWriter writer;
    writer.addFavoriteData (favorites);
    writer.addPresetInformation (preset);
    writer.addProgramData (program);
    ASSERT_EQ (writer.writeToFile (file), file::WriteResult::noError);

    const auto bytes = test::readFile (file);
    EXPECT_EQ (test::entryNames (bytes),
               juce::StringArray ({"FavoriteData.fav_data", "PresetInformation.xml", "Prog_000.prog_bin",
                                   "Prog_000.prog_info", "FileInformation.xml"}));

    EXPECT_EQ (test::entryText (bytes, "FileInformation.xml"),
               juce::String (declaration) +
                   "<VeskMSLibrarian_Data>\r\n"
                   "  <Product>TolmVESK</Product>\r\n"
                   "  <Contents NumFavoriteData=\"1\" NumProgramData=\"1\" NumPresetInformation=\"1\">\r\n"
                   "    <FavoriteData>\r\n"
                   "      <File>FavoriteData.fav_data</File>\r\n"
                   "    </FavoriteData>\r\n"
                   "    <PresetInformation>\r\n"
                   "      <File>PresetInformation.xml</File>\r\n"
                   "    </PresetInformation>\r\n"
                   "    <ProgramData>\r\n"
                   "      <Information>Prog_000.prog_info</Information>\r\n"
                   "      <ProgramBinary>Prog_000.prog_bin</ProgramBinary>\r\n"
                   "    </ProgramData>\r\n"
                   "  </Contents>\r\n"
                   "</VeskMSLibrarian_Data>\r\n");

    juce::String expectedFavorites = juce::String (declaration) + "<TolmVESK_Favorite>\r\n";
    for (int bank = 0; bank < 6; ++bank)
    {
        expectedFavorites << "  <Bank>\r\n";
        for (int slot = 0; slot < 8; ++slot)
            expectedFavorites << "    <Data>" << (bank == 5 ? 290 + slot : favorites.getValue (bank, slot))
                              << "</Data>\r\n";
        expectedFavorites << "  </Bank>\r\n";
    }
    expectedFavorites << "</TolmVESK_Favorite>\r\n";
    EXPECT_EQ (test::entryText (bytes, "FavoriteData.fav_data"), expectedFavorites);

    EXPECT_EQ (test::entryText (bytes, "PresetInformation.xml"),
               juce::String (declaration) + "<TolmVESK_Preset>\r\n"
                                            "  <DataID>ID-42</DataID>\r\n"
                                            "  <Name>Night &amp; Day</Name>\r\n"
                                            "  <Author>Zo&#235;</Author>\r\n"
                                            "  <Version>-3</Version>\r\n"
                                            "  <Date>2024/05/06</Date>\r\n"
                                            "  <Prefix>&lt;N&gt;</Prefix>\r\n"
                                            "  <Copyright>&quot;C&quot;</Copyright>\r\n"
                                            "</TolmVESK_Preset>\r\n");

    EXPECT_EQ (test::entryText (bytes, "Prog_000.prog_info"),
               juce::String (declaration) + "<TolmVESK_ProgramInformation>\r\n"
                                            "  <Programmer>A &amp; B</Programmer>\r\n"
                                            "  <Comment>caf&#233; &lt;1&gt;</Comment>\r\n"
                                            "</TolmVESK_ProgramInformation>\r\n");
}

TEST (ZipLibraryFileWriter, WritesTheSameBytesForTheSameLibrary)
{
    test::TemporaryFolder folder;
    const auto library = test::makeDistinctLibrary();
    const auto first = folder.getChildFile ("first.tvlib");
    const auto second = folder.getChildFile ("second.tvlib");

    ASSERT_EQ (xTV200_file::LibraryFileWriter (*library).write (first), file::WriteResult::noError);
    ASSERT_EQ (xTV200_file::LibraryFileWriter (*library).write (second), file::WriteResult::noError);
    EXPECT_EQ (test::readFile (first), test::readFile (second));
}
} // namespace
