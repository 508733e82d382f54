#include "CommandLineToolTestSupport.h"
#include "file/TonexaTestFileWriter.h"

namespace
{
using test::runTool;

class InfoCommandTest : public test::ToolFilesTest
{
protected:
    /** The JSON document of info --json, parsed back. */
    juce::var infoJson (const juce::File& file)
    {
        const auto run = runTool ({"info", file.getFullPathName(), "--json"});
        EXPECT_EQ (run.status, 0) << run.err;
        EXPECT_TRUE (run.err.empty());

        juce::var document;
        const auto parsed = juce::JSON::parse (juce::String::fromUTF8 (run.out.c_str()), document);
        EXPECT_TRUE (parsed.wasOk()) << parsed.getErrorMessage();
        return document;
    }

    static void expectProgram (const juce::var& object, int index, const xTV200_data::ProgramData& expected,
                               const char* category)
    {
        SCOPED_TRACE (index);
        EXPECT_EQ (int (object["index"]), index);
        EXPECT_EQ (object["name"].toString(), expected.getName());
        EXPECT_EQ (object["category"].toString(), category);
        EXPECT_EQ (object["hash"].toString(), expected.getHash());
        EXPECT_EQ (object["programmer"].toString(), expected.getInformation().programmer);
        EXPECT_EQ (object["comment"].toString(), expected.getInformation().comment);
    }
};

TEST_F (InfoCommandTest, TextListsFavouritesAndNumbersProgramsFromOne)
{
    const auto file = writeLibrary();
    const auto run = runTool ({"info", file.getFullPathName()});
    ASSERT_EQ (run.status, 0) << run.err;
    EXPECT_TRUE (run.err.empty());

    const auto lines = test::linesOf (run.out);
    EXPECT_EQ (lines[0], "File: " + file.getFullPathName());
    EXPECT_EQ (lines[1], "Kind: library");
    EXPECT_EQ (lines[2], "Favorites:");
    // Favourites are shown as the user sees them: stored index + 1.
    EXPECT_TRUE (lines[3].startsWith ("  Bank 1: 300 002 ")) << lines[3];
    EXPECT_TRUE (lines[8].startsWith ("  Bank 6: ") && lines[8].endsWith (" 001")) << lines[8];
    EXPECT_EQ (lines[9], "Programs:");
    EXPECT_EQ (lines[10], "No.\tName\tCategory\tHash\tProgrammer\tComment");
    // The comment's tab and line break are escaped, so each program keeps one line.
    EXPECT_EQ (lines[11], "001\tWarm Pad    \tSynth\t" + library.getProgram (0).getHash() +
                              "\tAnn\tfirst\\tline\\nsecond line");
    EXPECT_EQ (lines[12], "002\tFat Bass    \tBass\t" + library.getProgram (1).getHash() + "\tBob\tdeep");
    EXPECT_EQ (lines[310], "300\tLast One    \tUser\t" + library.getProgram (299).getHash() + "\tCy\t");
    EXPECT_EQ (lines.size(), 311);
    EXPECT_FALSE (run.out.find ("Preset:") != std::string::npos);
}

TEST_F (InfoCommandTest, LibraryJsonHoldsEveryProgramAndTheFavouritesAsStored)
{
    const auto document = infoJson (writeLibrary());
    EXPECT_EQ (document["kind"].toString(), "library");
    EXPECT_FALSE (document.hasProperty ("preset"));

    const auto* programs = document["programs"].getArray();
    ASSERT_NE (programs, nullptr);
    ASSERT_EQ (programs->size(), 300);
    expectProgram ((*programs)[0], 0, library.getProgram (0), "Synth");
    expectProgram ((*programs)[1], 1, library.getProgram (1), "Bass");
    expectProgram ((*programs)[299], 299, library.getProgram (299), "User");

    const auto* banks = document["favorites"].getArray();
    ASSERT_NE (banks, nullptr);
    ASSERT_EQ (banks->size(), 6);

    for (int bank = 0; bank < 6; ++bank)
    {
        const auto* slots = (*banks)[bank].getArray();
        ASSERT_NE (slots, nullptr);
        ASSERT_EQ (slots->size(), 8);

        for (int slot = 0; slot < 8; ++slot)
            EXPECT_EQ (int ((*slots)[slot]), library.getFavorites().getValue (bank, slot))
                << bank << "/" << slot;
    }

    EXPECT_EQ (int (banks->getReference (0)[0]), 299);
}

TEST_F (InfoCommandTest, PresetShowsItsInformationInTextAndJson)
{
    const auto file = writePreset();
    const auto document = infoJson (file);
    EXPECT_EQ (document["kind"].toString(), "preset");
    EXPECT_FALSE (document.hasProperty ("favorites"));

    const auto& information = document["preset"];
    EXPECT_EQ (information["DataID"].toString(), "TV-0042");
    EXPECT_EQ (information["Name"].toString(), "Night Set");
    EXPECT_EQ (information["Author"].toString(), "Dee");
    EXPECT_EQ (int (information["Version"]), 7);
    EXPECT_EQ (information["Date"].toString(), "2024-05-01");
    EXPECT_EQ (information["Prefix"].toString(), "N");
    EXPECT_EQ (information["Copyright"].toString(), "(c) Dee");
    ASSERT_EQ (document["programs"].size(), 300);
    expectProgram (document["programs"][5], 5, preset.getProgram (5), "Key");

    const auto text = runTool ({"info", file.getFullPathName()}).out;
    EXPECT_NE (text.find ("Kind: preset\nPreset:\n  DataID: TV-0042\n  Name: Night Set\n  Author: Dee\n"
                          "  Version: 7\n  Date: 2024-05-01\n  Prefix: N\n  Copyright: (c) Dee\n"),
               std::string::npos)
        << text;
    EXPECT_NE (text.find ("\n006\tOrgan       \tKey\t"), std::string::npos);
}

TEST_F (InfoCommandTest, ProgramFileHoldsOneProgram)
{
    const auto document = infoJson (writeProgram());
    EXPECT_EQ (document["kind"].toString(), "program");
    EXPECT_FALSE (document.hasProperty ("favorites"));
    EXPECT_FALSE (document.hasProperty ("preset"));
    ASSERT_EQ (document["programs"].size(), 1);
    expectProgram (document["programs"][0], 0, program, "Brass");
}

TEST_F (InfoCommandTest, KindFollowsTheExtensionWithoutRegardToCase)
{
    EXPECT_EQ (infoJson (writeLibrary ("LOUD.TVLIB"))["kind"].toString(), "library");
    EXPECT_EQ (infoJson (writePreset ("Installed.itvpreset"))["kind"].toString(), "preset");
    EXPECT_EQ (infoJson (writeProgram ("One.TvProg"))["kind"].toString(), "program");
}

TEST_F (InfoCommandTest, OlderEditorsLibraryReadsAsALibrary)
{
    const auto file = path ("Old.XTV200_all");
    ASSERT_TRUE (file.replaceWithData (test::TonexaTestFileWriter::validFile().getData(),
                                       test::TonexaTestFileWriter::validFile().getSize()));

    const auto document = infoJson (file);
    EXPECT_EQ (document["kind"].toString(), "library");
    ASSERT_EQ (document["programs"].size(), 300);
    EXPECT_EQ (document["programs"][3]["programmer"].toString(), "Programmer 3");
    EXPECT_EQ (document["programs"][3]["comment"].toString(), "Comment 3");
    EXPECT_EQ (int (document["favorites"][0][0]), 299);
    EXPECT_EQ (int (document["favorites"][0][1]), 293);
}

TEST_F (InfoCommandTest, ReadErrorsExitTwoWithOneEnglishLine)
{
    const auto garbage = path ("Garbage.tvlib");
    ASSERT_TRUE (garbage.replaceWithText ("not a zip archive"));

    struct Case
    {
        juce::File file;
        const char* expectedError;
    };

    const Case cases[] = {
        {path ("Missing.tvlib"), "error: 6 The file is not supported format file.\n"},
        {garbage, "error: 6 The file is not supported format file.\n"},
        // A program file holds no favourites, so it is no library.
        {writeProgram ("Program.tvlib"), "error: 9 The file does not include favorite data.\n"},
        {writeLibrary ("Library.tvpreset"), "error: 11 The file does not include preset information.\n"},
        {path ("Missing.XTV200_all"), "error: 1 Failed to open the file.\n"},
    };

    for (const auto& [file, expectedError] : cases)
    {
        SCOPED_TRACE (file.getFileName());

        for (const auto& arguments : {juce::StringArray{"info", file.getFullPathName()},
                                      juce::StringArray{"info", file.getFullPathName(), "--json"},
                                      juce::StringArray{"params", file.getFullPathName(), "1"}})
        {
            const auto run = runTool (arguments);
            EXPECT_EQ (run.status, 2);
            EXPECT_EQ (run.err, expectedError);
            EXPECT_TRUE (run.out.empty());
        }
    }
}
} // namespace
