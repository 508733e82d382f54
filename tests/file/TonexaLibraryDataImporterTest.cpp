#include "file/TonexaLibraryDataImporter.h"
#include "file/FileResultCodes.h"
#include "support/TemporaryFolder.h"
#include "TonexaTestFileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
using Writer = test::TonexaTestFileWriter;
using xTV200_data::LibraryData;
namespace ReadResult = file::ReadResult;

const juce::MemoryBlock& validFile()
{
    static const auto bytes = Writer::validFile();
    return bytes;
}

juce::String latin1 (const char* text)
{
    return juce::String (juce::CharPointer_UTF8 (text));
}

class TonexaLibraryDataImporterTest : public ::testing::Test
{
protected:
    // The target differs from a fresh library, so that a failed import that
    // touched it shows, and so does a missing part that was not reset.
    TonexaLibraryDataImporterTest()
    {
        target->getProgram (5).setByte (20, 0x55);
        target->getProgram (5).getInformation().programmer = "Before";
        target->getFavorites().setValue (2, 3, 77);
        before = std::make_unique<LibraryData> (*target);
    }

    int import (const juce::MemoryBlock& bytes)
    {
        return xTV200_file::TonexaLibraryDataImporter (*target).readBytes (bytes.getData(), bytes.getSize());
    }

    /** Imports the first size bytes of the valid file. */
    int importPrefix (size_t size)
    {
        return xTV200_file::TonexaLibraryDataImporter (*target).readBytes (validFile().getData(), size);
    }

    int importFile (const juce::File& file)
    {
        return xTV200_file::TonexaLibraryDataImporter (*target).read (file);
    }

    bool targetUntouched() const { return *target == *before; }

    test::TemporaryFolder folder;
    std::unique_ptr<LibraryData> target = std::make_unique<LibraryData>();
    std::unique_ptr<LibraryData> before;
};

TEST_F (TonexaLibraryDataImporterTest, ImportsEveryProgramWithItsTextsAndTheFavourites)
{
    const auto file = folder.getChildFile ("Old.XTV200_all");
    ASSERT_TRUE (file.replaceWithData (validFile().getData(), validFile().getSize()));
    ASSERT_EQ (validFile().getSize(), static_cast<size_t> (Writer::validFileSize));

    ASSERT_EQ (importFile (file), ReadResult::noError);

    for (int index = 0; index < LibraryData::numPrograms; ++index)
    {
        const auto written = Writer::makeProgram (index);
        xTV200_data::ProgramData expected;
        expected.setBytes (written.bytes.getData(), written.bytes.getSize());
        const auto& program = target->getProgram (index);
        const auto& information = program.getInformation();

        ASSERT_EQ (0, memcmp (program.getBytes(), written.bytes.getData(), 320)) << index;
        EXPECT_EQ (program.getHash(), expected.getHash()) << index;
        EXPECT_EQ (program.getName(), expected.getName()) << index;
        EXPECT_EQ (information.programmer, juce::String (written.programmer)) << index;
        EXPECT_EQ (information.comment, juce::String (written.comment)) << index;
        EXPECT_EQ (information.youTubeLink, juce::String (written.youTubeLink)) << index;
        EXPECT_TRUE (information.playListID.isEmpty() && information.searchWord.isEmpty()) << index;
    }

    // Fields filled to their length without a NUL are read whole.
    EXPECT_EQ (target->getProgram (10).getInformation().programmer.length(), 24);
    EXPECT_EQ (target->getProgram (7).getInformation().comment.length(), 64);

    const auto favorites = Writer::makeFavorites();

    for (int index = 0; index < 48; ++index)
        EXPECT_EQ (target->getFavorites().getValue (index / 8, index % 8), favorites[(size_t)index]) << index;
}

TEST_F (TonexaLibraryDataImporterTest, TextsAreUtf8OrElseOneCharacterPerByteAndEndAtTheirFirstNul)
{
    struct Case
    {
        std::string stored;
        juce::String expected;
    };

    const std::vector<Case> cases{
        {"\xc3\xa9t\xc3\xa9", latin1 ("\xc3\xa9t\xc3\xa9")},
        {"caf\xe9 \xff", latin1 ("caf\xc3\xa9 \xc3\xbf")},
        {std::string ("abc\0def", 7), "abc"},
        {std::string ("\0xyz", 4), ""},
    };

    auto chunks = Writer::makeProgramChunks();

    for (size_t index = 0; index < cases.size(); ++index)
    {
        auto program = Writer::makeProgram (static_cast<int> (index));
        program.programmer = program.comment = program.youTubeLink = cases[index].stored;
        chunks[index] = Writer::programChunk (program);
    }

    ASSERT_EQ (import (Writer::file ({Writer::programSet (chunks), Writer::chunk ("TV200Xtra", {}),
                                      Writer::chunk ("TV200Xtra", {})})),
               ReadResult::noError);

    for (size_t index = 0; index < cases.size(); ++index)
    {
        const auto& information = target->getProgram (static_cast<int> (index)).getInformation();
        EXPECT_EQ (information.programmer, cases[index].expected) << index;
        EXPECT_EQ (information.comment, cases[index].expected) << index;
        EXPECT_EQ (information.youTubeLink, cases[index].expected) << index;
    }
}

TEST_F (TonexaLibraryDataImporterTest, FavouritesAreSignExtendedAsStored)
{
    auto favorites = Writer::makeFavorites();
    favorites[0] = -1;
    favorites[1] = -32768;
    favorites[47] = 32767;

    ASSERT_EQ (import (Writer::file ({Writer::globalDataChunk (favorites), Writer::chunk ("TV200Xtra", {}),
                                      Writer::chunk ("TV200Xtra", {})})),
               ReadResult::noError);

    EXPECT_EQ (target->getFavorites().getValue (0, 0), -1);
    EXPECT_EQ (target->getFavorites().getValue (0, 1), -32768);
    EXPECT_EQ (target->getFavorites().getValue (5, 7), 32767);
}

TEST_F (TonexaLibraryDataImporterTest, ChunksAreFoundByMagicAndUnknownOnesSkippedByTheirLength)
{
    // The unknown chunk's data is a valid-looking global data chunk: reading
    // it instead of skipping it would set other favourites.
    std::array<juce::int16, 48> decoy{};
    decoy.fill (5);

    ASSERT_EQ (import (Writer::file ({Writer::chunk ("TV200Xtra", Writer::globalDataChunk (decoy)),
                                      Writer::globalDataChunk (Writer::makeFavorites()),
                                      Writer::programSet (Writer::makeProgramChunks())})),
               ReadResult::noError);

    EXPECT_EQ (target->getFavorites().getValue (0, 0), Writer::makeFavorites()[0]);
    EXPECT_EQ (target->getProgram (299).getInformation().programmer, "Programmer 299");
}

TEST_F (TonexaLibraryDataImporterTest, APartTheFileDoesNotCarryKeepsTheValuesOfAFreshLibrary)
{
    const LibraryData fresh;
    const auto unknown = Writer::chunk ("TV200Xtra", juce::MemoryBlock (10, true));

    ASSERT_EQ (import (Writer::file ({unknown, Writer::globalDataChunk (Writer::makeFavorites()), unknown})),
               ReadResult::noError);

    for (int index = 0; index < LibraryData::numPrograms; ++index)
        ASSERT_EQ (target->getProgram (index), fresh.getProgram (index)) << index;

    EXPECT_NE (target->getFavorites(), fresh.getFavorites());

    ASSERT_EQ (import (Writer::file ({Writer::programSet (Writer::makeProgramChunks()), unknown, unknown})),
               ReadResult::noError);

    EXPECT_EQ (target->getFavorites(), fresh.getFavorites());
    EXPECT_EQ (target->getProgram (3).getInformation().programmer, "Programmer 3");
}

juce::MemoryBlock zipArchive()
{
    juce::MemoryBlock bytes;
    juce::MemoryOutputStream output (bytes, false);
    juce::ZipFile::Builder builder;
    builder.addEntry (new juce::MemoryInputStream (validFile(), true), 5, "Old.XTV200_all", {});
    builder.writeToStream (output, nullptr);
    output.flush();
    return bytes;
}

/** The valid file with the program set's chunks replaced. */
juce::MemoryBlock withProgramChunks (std::vector<juce::MemoryBlock> chunks, juce::int32 count = 300)
{
    return Writer::file ({Writer::programSet (chunks, count),
                          Writer::globalDataChunk (Writer::makeFavorites()),
                          Writer::chunk ("TV200Xtra", {})});
}

TEST_F (TonexaLibraryDataImporterTest, RefusesDamagedFilesWithTheirCodeAndLeavesTheTargetAlone)
{
    constexpr int dataLength = 11;
    constexpr int count = 21;
    const auto setStart = static_cast<size_t> (Writer::programSetStart);
    const auto globalStart = static_cast<size_t> (Writer::globalDataStart);
    const auto extraStart = static_cast<size_t> (Writer::unknownChunkStart);
    const auto program = [] (int index) { return static_cast<size_t> (Writer::programStart (index)); };
    const auto withValue = [] (size_t offset, juce::int32 value)
    { return Writer::withInt32 (validFile(), offset, value); };

    auto wrongFileMagic = validFile();
    memcpy (wrongFileMagic.getData(), "TV200AllX", 9);

    auto tooFewPrograms = Writer::makeProgramChunks();
    tooFewPrograms.pop_back();

    auto renamedProgram = validFile();
    memcpy (static_cast<char*> (renamedProgram.getData()) + program (150), "TV200PrgX", 9);

    auto shortProgram = Writer::makeProgramChunks();
    shortProgram[17] = Writer::chunk ("TV200PrgD", juce::MemoryBlock (319, true));

    struct Case
    {
        const char* name;
        juce::MemoryBlock bytes;
        int code;
    };

    const std::vector<Case> cases{
        {"empty file", {}, ReadResult::invalidType},
        {"only a magic", juce::MemoryBlock ("TV200AllD", 9), ReadResult::invalidType},
        {"a zip archive", zipArchive(), ReadResult::invalidType},
        {"wrong file magic", wrongFileMagic, ReadResult::invalidType},
        {"file count 2", withValue (count, 2), ReadResult::invalidType},
        {"file count 4", withValue (count, 4), ReadResult::invalidType},
        {"file header alone", Writer::header ("TV200AllD", 0, 3), ReadResult::invalidType},
        {"third chunk missing", Writer::prefix (validFile(), extraStart), ReadResult::invalidType},
        {"299 programs counted", withValue (setStart + count, 299), ReadResult::invalidProgramNumber},
        {"301 programs counted", withValue (setStart + count, 301), ReadResult::invalidProgramNumber},
        {"299 programs present", withProgramChunks (tooFewPrograms), ReadResult::invalidType},
        {"program with another magic", renamedProgram, ReadResult::invalidType},
        {"program shorter than its bytes", withProgramChunks (shortProgram), ReadResult::invalidType},
        {"global data shorter than 224 bytes",
         Writer::file ({Writer::chunk ("TV200GlbD", juce::MemoryBlock (223, true)),
                        Writer::chunk ("TV200Xtra", {}), Writer::chunk ("TV200Xtra", {})}),
         ReadResult::invalidType},
        {"set length negative", withValue (setStart + dataLength, -1), ReadResult::invalidType},
        {"set length back to its own start", withValue (setStart + dataLength, -32), ReadResult::invalidType},
        {"program length standing still", withValue (program (0) + dataLength, -32), ReadResult::invalidType},
        {"program length going back", withValue (program (1) + dataLength, -568), ReadResult::invalidType},
        {"global length negative", withValue (globalStart + dataLength, -224), ReadResult::invalidType},
        {"unknown chunk length negative", withValue (extraStart + dataLength, -64), ReadResult::invalidType},
        {"set length huge", withValue (setStart + dataLength, 0x7fffffff), ReadResult::invalidType},
        {"program length huge", withValue (program (299) + dataLength, 0x7fffffff), ReadResult::invalidType},
        {"global length huge", withValue (globalStart + dataLength, 0x7fffffff), ReadResult::invalidType},
        {"set length overflowing 32 bits", withValue (setStart + dataLength, 0x7fffffe0),
         ReadResult::invalidType},
        {"program length the most negative",
         withValue (program (42) + dataLength, std::numeric_limits<juce::int32>::min()),
         ReadResult::invalidType},
        {"last program beyond its set", withValue (setStart + dataLength, 300 * 568 - 1),
         ReadResult::invalidType},
        {"unknown chunk beyond the file", withValue (extraStart + dataLength, 1), ReadResult::invalidType},
    };

    for (const auto& testCase : cases)
    {
        EXPECT_EQ (import (testCase.bytes), testCase.code) << testCase.name;
        EXPECT_TRUE (targetUntouched()) << testCase.name;
    }
}

TEST_F (TonexaLibraryDataImporterTest, AFileCutAnywhereInAHeaderOrTheDataIsRefused)
{
    std::vector<size_t> chunkStarts{0, static_cast<size_t> (Writer::programSetStart),
                                    static_cast<size_t> (Writer::globalDataStart),
                                    static_cast<size_t> (Writer::unknownChunkStart)};

    for (int index = 0; index < LibraryData::numPrograms; ++index)
        chunkStarts.push_back (static_cast<size_t> (Writer::programStart (index)));

    for (const auto start : chunkStarts)
    {
        for (const size_t cut : {size_t{0}, size_t{9}, size_t{31}, size_t{32}, size_t{200}})
        {
            const auto size = start + cut;

            if (size >= validFile().getSize())
                continue;

            ASSERT_EQ (importPrefix (size), ReadResult::invalidType) << size;
            ASSERT_TRUE (targetUntouched()) << size;
        }
    }

    EXPECT_EQ (importPrefix (validFile().getSize() - 1), ReadResult::invalidType);
    EXPECT_EQ (import (validFile()), ReadResult::noError);
}

TEST_F (TonexaLibraryDataImporterTest, AFileThatCannotBeOpenedOrIsTooLargeGivesCode1)
{
    EXPECT_EQ (importFile (folder.getChildFile ("Missing.XTV200_all")), ReadResult::openFile);
    EXPECT_EQ (importFile (folder.get()), ReadResult::openFile);

    // Bytes after the three chunks are not read, so a valid file padded to the
    // limit still imports and one byte more is refused before it is read.
    const auto file = folder.getChildFile ("Padded.XTV200_all");
    ASSERT_TRUE (file.replaceWithData (validFile().getData(), validFile().getSize()));
    const auto path = file.getFullPathName().toStdString();
    const auto limit = static_cast<std::uintmax_t> (xTV200_file::TonexaLibraryDataImporter::maxFileSize);

    std::filesystem::resize_file (path, limit + 1);
    EXPECT_EQ (importFile (file), ReadResult::openFile);
    EXPECT_TRUE (targetUntouched());

    std::filesystem::resize_file (path, limit);
    EXPECT_EQ (importFile (file), ReadResult::noError);
}
} // namespace
