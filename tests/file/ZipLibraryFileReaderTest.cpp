#include "file/ZipLibraryFileReader.h"
#include "file/FileResultCodes.h"
#include "MemoryInputSource.h"
#include "ZipLibraryArchiveFixtures.h"

#include <gtest/gtest.h>

namespace
{
using Fixtures = test::ZipLibraryArchiveFixtures;
using Entries = std::vector<test::ZipTestEntry>;
namespace ReadResult = file::ReadResult;

int readArchive (const juce::MemoryBlock& bytes)
{
    xTV200_file::ZipLibraryFileReader reader (std::make_unique<test::MemoryInputSource> (bytes));
    return reader.read();
}

/** A library archive with one favourite document, one preset information and
    two programs, with one piece replaced by a test. */
Entries validEntries() // entry 2 is program 0's binary
{
    Entries entries{Fixtures::favoriteEntry(), Fixtures::presetEntry()};
    Fixtures::addPrograms (entries, 2);
    return entries;
}

juce::String validItems()
{
    return Fixtures::favoriteItem() + Fixtures::presetItem() + Fixtures::programItems (2);
}

Entries withTableOfContents (Entries entries, const juce::String& tableOfContents)
{
    entries.push_back (Fixtures::text ("FileInformation.xml", tableOfContents));
    return entries;
}

Entries replaced (Entries entries, const test::ZipTestEntry& replacement)
{
    for (auto& entry : entries)
        if (entry.name == replacement.name)
            entry = replacement;

    return entries;
}

Entries without (Entries entries, const juce::String& name)
{
    entries.erase (
        std::remove_if (entries.begin(), entries.end(), [&] (const auto& e) { return e.name == name; }),
        entries.end());
    return entries;
}

struct ArchiveCase
{
    const char* description;
    juce::MemoryBlock bytes;
    int expectedCode;
};

juce::MemoryBlock archiveOf (const Entries& entries)
{
    return test::buildArchive (entries);
}

juce::MemoryBlock libraryArchive (const Entries& entries, const juce::String& items = validItems())
{
    return archiveOf (withTableOfContents (entries, Fixtures::tableOfContents (items)));
}

std::vector<ArchiveCase> archiveCases()
{
    const auto toc = [] (const juce::String& product, const juce::String& root = "VeskMSLibrarian_Data")
    { return Fixtures::tableOfContents (validItems(), product, root); };

    return {
        {"the valid archive", libraryArchive (validEntries()), ReadResult::noError},
        {"bytes that are not a zip archive", test::textBlock ("PK\x03\x04 but nothing else of an archive"),
         ReadResult::failedToUncompressZipFile},
        {"an archive without entries", archiveOf ({}), ReadResult::failedToUncompressZipFile},
        {"no table of contents", archiveOf (validEntries()), ReadResult::failedToParseXmlDocument},
        {"a table of contents that is not XML",
         archiveOf (withTableOfContents (validEntries(), "VeskMSLibrarian_Data TolmVESK")),
         ReadResult::failedToParseXmlDocument},
        {"a table of contents with another root",
         archiveOf (withTableOfContents (validEntries(), toc ("TolmVESK", "OtherLibrarian_Data"))),
         ReadResult::invalidXmlDocument},
        {"a table of contents without Product",
         archiveOf (withTableOfContents (validEntries(), "<VeskMSLibrarian_Data><Contents>" + validItems() +
                                                             "</Contents></VeskMSLibrarian_Data>")),
         ReadResult::invalidXmlDocument},
        {"a table of contents without Contents",
         archiveOf (withTableOfContents (
             validEntries(), "<VeskMSLibrarian_Data><Product>TolmVESK</Product></VeskMSLibrarian_Data>")),
         ReadResult::invalidXmlDocument},
        {"a product among other words",
         archiveOf (withTableOfContents (validEntries(), toc ("The TolmVESK 200"))), ReadResult::noError},
        {"a product in lower case", archiveOf (withTableOfContents (validEntries(), toc ("tolmvesk"))),
         ReadResult::differentTargetDevice},
        {"another product", archiveOf (withTableOfContents (validEntries(), toc ("Other Synth"))),
         ReadResult::differentTargetDevice},
        {"a missing favourite entry", libraryArchive (without (validEntries(), "FavoriteData.fav_data")),
         ReadResult::favoriteDataMissing},
        {"a favourite entry that is not XML",
         libraryArchive (replaced (validEntries(), Fixtures::favoriteEntry ("17 23 42"))),
         ReadResult::failedToReadFavoriteData},
        {"a favourite entry of another root",
         libraryArchive (replaced (validEntries(), Fixtures::favoriteEntry ("<Favorite><Bank/></Favorite>"))),
         ReadResult::failedToReadFavoriteData},
        {"a missing preset information entry",
         libraryArchive (without (validEntries(), "PresetInformation.xml")),
         ReadResult::presetInformationMissing},
        {"a preset information entry that is not XML",
         libraryArchive (replaced (validEntries(), Fixtures::presetEntry ("<TolmVESK_Preset><Name>"))),
         ReadResult::failedToReadPresetInformation},
        {"a preset information entry of another root",
         libraryArchive (
             replaced (validEntries(), Fixtures::presetEntry ("<Preset><Name>x</Name></Preset>"))),
         ReadResult::failedToReadPresetInformation},
        {"a missing program binary", libraryArchive (without (validEntries(), "Prog_001.prog_bin")),
         ReadResult::programDataMissing},
        {"a missing program information", libraryArchive (without (validEntries(), "Prog_000.prog_info")),
         ReadResult::programDataMissing},
        {"a program binary of 319 bytes",
         libraryArchive (replaced (validEntries(), Fixtures::binaryEntry (1, 319))),
         ReadResult::failedToReadProgramBinary},
        {"a program binary of 400 bytes",
         libraryArchive (replaced (validEntries(), Fixtures::binaryEntry (1, 400))), ReadResult::noError},
        {"a program information that is not XML",
         libraryArchive (replaced (validEntries(), Fixtures::informationEntry (1, "Programmer: me"))),
         ReadResult::failedToReadProgramInformation},
        {"a program information of another root",
         libraryArchive (replaced (validEntries(), Fixtures::informationEntry (1, "<TolmVESK_Preset/>"))),
         ReadResult::failedToReadProgramInformation},
        {"a program information nested deeper than any reader allows",
         libraryArchive (replaced (
             validEntries(), Fixtures::informationEntry (1, juce::String::repeatedString ("<a>", 100000)))),
         ReadResult::failedToReadProgramInformation},
    };
}

TEST (ZipLibraryFileReader, GivesTheCodeOfTheFirstFaultOfEachArchive)
{
    for (const auto& archiveCase : archiveCases())
        EXPECT_EQ (readArchive (archiveCase.bytes), archiveCase.expectedCode) << archiveCase.description;
}

TEST (ZipLibraryFileReader, FillsTheListsInTheOrderOfTheTableOfContents)
{
    // The programs are listed in reverse, the favourite after them.
    const auto items = Fixtures::programItem (1) + Fixtures::programItem (0) + Fixtures::favoriteItem() +
                       Fixtures::presetItem();
    xTV200_file::ZipLibraryFileReader reader (
        std::make_unique<test::MemoryInputSource> (libraryArchive (validEntries(), items)));

    ASSERT_EQ (reader.read(), ReadResult::noError);
    ASSERT_EQ (reader.getPrograms().size(), 2u);
    EXPECT_EQ (reader.getPrograms()[0].binaryEntryName, "Prog_001.prog_bin");
    EXPECT_EQ (reader.getPrograms()[0].informationEntryName, "Prog_001.prog_info");
    EXPECT_EQ (reader.getPrograms()[0].program.getInformation().programmer, "P1");
    EXPECT_EQ (reader.getPrograms()[0].program.getByte (0), 1);
    EXPECT_EQ (reader.getPrograms()[1].program.getByte (0), 0);
    ASSERT_EQ (reader.getFavorites().size(), 1u);
    EXPECT_EQ (reader.getFavorites()[0].favorites.getValue (0, 0), 17);
    ASSERT_EQ (reader.getPresetInformations().size(), 1u);
    EXPECT_EQ (reader.getPresetInformations()[0].information.dataID, "ID-1");
    EXPECT_EQ (reader.getPresetInformations()[0].information.version, 7);
}

TEST (ZipLibraryFileReader, UsesTheFirst320BytesOfALongerBinaryAndRefreshesTheHash)
{
    const auto entries = replaced (validEntries(), Fixtures::binaryEntry (0, 400, 3));
    xTV200_file::ZipLibraryFileReader reader (
        std::make_unique<test::MemoryInputSource> (libraryArchive (entries)));
    ASSERT_EQ (reader.read(), ReadResult::noError);

    xTV200_data::ProgramData expected;
    const auto bytes = Fixtures::binaryEntry (0, 320, 3).data;
    expected.setBytes (bytes.getData(), bytes.getSize());

    const auto& program = reader.getPrograms()[0].program;
    EXPECT_EQ (0, memcmp (program.getBytes(), bytes.getData(), 320));
    EXPECT_EQ (program.getHash(), expected.getHash());
}

TEST (ZipLibraryFileReader, MatchesElementNamesInAnyLetterCase)
{
    const auto tableOfContents = "<veskmslibrarian_data><PRODUCT>TolmVESK</PRODUCT><contents>"
                                 "<favoritedata><file>FavoriteData.fav_data</file></favoritedata>"
                                 "<PRESETINFORMATION><FILE>PresetInformation.xml</FILE></PRESETINFORMATION>"
                                 "<programdata><INFORMATION>Prog_000.prog_info</"
                                 "INFORMATION><programbinary>Prog_000.prog_bin</programbinary>"
                                 "</programdata></contents></veskmslibrarian_data>";
    const Entries entries{
        Fixtures::favoriteEntry ("<tolmvesk_favorite><BANK><data>9</data></BANK></tolmvesk_favorite>"),
        Fixtures::presetEntry (
            "<TOLMVESK_PRESET><dataid>lower</dataid><VERSION> -12x</VERSION></TOLMVESK_PRESET>"),
        Fixtures::binaryEntry (0),
        Fixtures::informationEntry (
            0, "<tolmvesk_programinformation><PROGRAMMER>Me</PROGRAMMER><comment>C</comment>"
               "<youtubelink>L</youtubelink></tolmvesk_programinformation>"),
    };

    xTV200_file::ZipLibraryFileReader reader (std::make_unique<test::MemoryInputSource> (
        archiveOf (withTableOfContents (entries, tableOfContents))));

    ASSERT_EQ (reader.read(), ReadResult::noError);
    EXPECT_EQ (reader.getFavorites().at (0).favorites.getValue (0, 0), 9);
    EXPECT_EQ (reader.getPresetInformations().at (0).information.dataID, "lower");
    EXPECT_EQ (reader.getPresetInformations().at (0).information.version, -12);
    const auto& information = reader.getPrograms().at (0).program.getInformation();
    EXPECT_EQ (information.programmer, "Me");
    EXPECT_EQ (information.comment, "C");
    EXPECT_EQ (information.youTubeLink, "L");
}

TEST (ZipLibraryFileReader, SkipsItemsThatLackTheirInnerElements)
{
    const auto items = "<ProgramData><Information>Prog_000.prog_info</Information></ProgramData>"
                       "<FavoriteData/><PresetInformation><Name>x</Name></PresetInformation><Other/>" +
                       Fixtures::programItem (1);
    xTV200_file::ZipLibraryFileReader reader (
        std::make_unique<test::MemoryInputSource> (libraryArchive (validEntries(), items)));

    ASSERT_EQ (reader.read(), ReadResult::noError);
    ASSERT_EQ (reader.getPrograms().size(), 1u);
    EXPECT_EQ (reader.getPrograms()[0].binaryEntryName, "Prog_001.prog_bin");
    EXPECT_TRUE (reader.getFavorites().empty());
    EXPECT_TRUE (reader.getPresetInformations().empty());
}

TEST (ZipLibraryFileReader, TakesTheTextOfAllTextInsideAnElement)
{
    const auto info = "<TolmVESK_ProgramInformation><Programmer>A<b>B</b>C</Programmer>"
                      "<Comment>one &amp; <![CDATA[<two>]]></Comment></TolmVESK_ProgramInformation>";
    const auto entries = replaced (validEntries(), Fixtures::informationEntry (0, info));
    xTV200_file::ZipLibraryFileReader reader (
        std::make_unique<test::MemoryInputSource> (libraryArchive (entries)));

    ASSERT_EQ (reader.read(), ReadResult::noError);
    EXPECT_EQ (reader.getPrograms()[0].program.getInformation().programmer, "ABC");
    EXPECT_EQ (reader.getPrograms()[0].program.getInformation().comment, "one & <two>");
}
} // namespace
