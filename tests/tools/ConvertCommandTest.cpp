#include "CommandLineToolTestSupport.h"
#include "file/LibraryFileReader.h"
#include "file/PresetFileReader.h"
#include "file/TonexaLibraryDataImporter.h"
#include "file/TonexaTestFileWriter.h"

namespace
{
using test::runTool;

class ConvertCommandTest : public test::ToolFilesTest
{
protected:
    xTV200_data::PresetData readPreset (const juce::File& file)
    {
        xTV200_data::PresetData read;
        EXPECT_EQ (xTV200_file::PresetFileReader (read).read (file), 0);
        return read;
    }

    std::unique_ptr<xTV200_data::LibraryData> readLibrary (const juce::File& file)
    {
        auto read = std::make_unique<xTV200_data::LibraryData>();
        EXPECT_EQ (xTV200_file::LibraryFileReader (*read).read (file), 0);
        return read;
    }
};

TEST_F (ConvertCommandTest, LibraryBecomesAPresetWithoutProgrammerOrComment)
{
    const auto output = path ("Made.tvpreset");
    const auto run =
        runTool ({"convert", writeLibrary().getFullPathName(), output.getFullPathName(), "--preset-info",
                  "DataID=TV-9", "--preset-info=name=My Set", "--preset-info", "Author=Ann", "--preset-info",
                  "Version=12", "--preset-info", "Date=2024-06-30", "--preset-info", "Prefix=M",
                  "--preset-info", "Copyright=(c) A=B"});
    ASSERT_EQ (run.status, 0) << run.err;
    EXPECT_TRUE (run.err.empty());

    const auto made = readPreset (output);
    const auto& information = made.getInformation();
    EXPECT_EQ (information.dataID, "TV-9");
    EXPECT_EQ (information.name, "My Set");
    EXPECT_EQ (information.author, "Ann");
    EXPECT_EQ (information.version, 12);
    EXPECT_EQ (information.date, "2024-06-30");
    EXPECT_EQ (information.prefix, "M");
    EXPECT_EQ (information.copyright, "(c) A=B");

    for (int index : {0, 1, 299})
    {
        SCOPED_TRACE (index);
        const auto& converted = made.getProgram (index);
        EXPECT_EQ (converted.getHash(), library.getProgram (index).getHash());
        EXPECT_EQ (0, memcmp (converted.getBytes(), library.getProgram (index).getBytes(), 320));
        EXPECT_TRUE (converted.getInformation().programmer.isEmpty());
        EXPECT_TRUE (converted.getInformation().comment.isEmpty());
    }
}

TEST_F (ConvertCommandTest, PresetBecomesALibraryWithInitialFavourites)
{
    const auto output = path ("FromPreset.TVLIB");
    const auto run = runTool ({"convert", writePreset().getFullPathName(), output.getFullPathName()});
    ASSERT_EQ (run.status, 0) << run.err;

    const auto converted = readLibrary (output);

    for (int index = 0; index < 300; ++index)
        ASSERT_EQ (converted->getProgram (index), preset.getProgram (index)) << index;

    EXPECT_EQ (converted->getFavorites(), xTV200_data::FavoriteData());
}

TEST_F (ConvertCommandTest, OlderEditorsLibraryBecomesALibrary)
{
    const auto input = path ("Old.xtv200_ALL");
    const auto bytes = test::TonexaTestFileWriter::validFile();
    ASSERT_TRUE (input.replaceWithData (bytes.getData(), bytes.getSize()));
    xTV200_data::LibraryData imported;
    ASSERT_EQ (xTV200_file::TonexaLibraryDataImporter (imported).read (input), 0);

    const auto output = path ("Imported.tvlib");
    const auto run = runTool ({"convert", input.getFullPathName(), output.getFullPathName()});
    ASSERT_EQ (run.status, 0) << run.err;
    // A library file carries each program's bytes, programmer and comment (not
    // the older editor's video link) and the favourites.
    const auto converted = readLibrary (output);
    EXPECT_EQ (converted->getFavorites(), imported.getFavorites());

    for (int index = 0; index < 300; ++index)
    {
        SCOPED_TRACE (index);
        const auto& expected = imported.getProgram (index);
        const auto& actual = converted->getProgram (index);
        ASSERT_EQ (actual.getHash(), expected.getHash());
        ASSERT_EQ (0, memcmp (actual.getBytes(), expected.getBytes(), 320));
        ASSERT_EQ (actual.getInformation().programmer, expected.getInformation().programmer);
        ASSERT_EQ (actual.getInformation().comment, expected.getInformation().comment);
    }

    EXPECT_EQ (converted->getProgram (3).getInformation().programmer, "Programmer 3");
}

TEST_F (ConvertCommandTest, UnsupportedPairsAreWrongCommandLinesAndWriteNothing)
{
    const auto lib = writeLibrary().getFullPathName();
    const auto pre = writePreset().getFullPathName();
    const auto prog = writeProgram().getFullPathName();

    const std::vector<std::pair<juce::String, juce::String>> pairs = {
        {lib, "Out.tvlib"},      {lib, "Out.tvprog"},
        {lib, "Out.itvpreset"},  {lib, "Out.txt"},
        {pre, "Out.tvpreset"},   {pre, "Out.tvprog"},
        {prog, "Out.tvlib"},     {prog, "Out.tvpreset"},
        {"In.txt", "Out.tvlib"}, {"In.XTV200_all", "Out.tvpreset"},
    };

    for (const auto& [input, output] : pairs)
    {
        SCOPED_TRACE (input + " -> " + output);
        const auto run = runTool ({"convert", input, path (output).getFullPathName()});
        EXPECT_EQ (run.status, 1);
        EXPECT_NE (run.err.find ("cannot convert"), std::string::npos) << run.err;
        EXPECT_FALSE (path (output).exists());
    }
}

TEST_F (ConvertCommandTest, BadPresetInformationIsAWrongCommandLine)
{
    const auto lib = writeLibrary().getFullPathName();
    const auto output = path ("Made.tvpreset").getFullPathName();

    const std::vector<juce::StringArray> cases = {
        {"--preset-info", "Colour=red"},
        {"--preset-info", "NoValue"},
        {"--preset-info", "Version=abc"},
        {"--preset-info", "Version=-1"},
        {"--preset-info", "Version=2147483648"},
        {"--preset-info"},
        {"--quiet"},
    };

    for (const auto& options : cases)
    {
        SCOPED_TRACE (options.joinIntoString (" "));
        juce::StringArray arguments{"convert", lib, output};
        arguments.addArray (options);
        const auto run = runTool (arguments);
        EXPECT_EQ (run.status, 1);
        EXPECT_EQ (run.err.rfind ("tolmvesk: ", 0), 0u) << run.err;
    }

    const auto toLibrary = runTool ({"convert", writePreset().getFullPathName(),
                                     path ("Lib.tvlib").getFullPathName(), "--preset-info", "Name=x"});
    EXPECT_EQ (toLibrary.status, 1);
    EXPECT_NE (toLibrary.err.find ("--preset-info applies only"), std::string::npos);
    EXPECT_FALSE (path ("Made.tvpreset").exists());
    EXPECT_FALSE (path ("Lib.tvlib").exists());
}

TEST_F (ConvertCommandTest, ReadAndWriteErrorsExitTwo)
{
    const auto missingInput = runTool (
        {"convert", path ("Missing.tvlib").getFullPathName(), path ("Out.tvpreset").getFullPathName()});
    EXPECT_EQ (missingInput.status, 2);
    EXPECT_EQ (missingInput.err, "error: 6 The file is not supported format file.\n");
    EXPECT_FALSE (path ("Out.tvpreset").exists());

    const auto noFolder = runTool (
        {"convert", writePreset().getFullPathName(), path ("No Such Folder/Out.tvlib").getFullPathName()});
    EXPECT_EQ (noFolder.status, 2);
    EXPECT_EQ (noFolder.err.rfind ("error: ", 0), 0u);
    EXPECT_EQ (test::linesOf (noFolder.err).size(), 1);
}
} // namespace
