// Replays every input kept in the fuzz corpora (tests/fuzz/corpus/<target>/)
// through the same checks the fuzz targets run, so that the normal test run
// (and its sanitizer build) keeps every seed and every regression input from
// a past finding working.

#include "fuzz/FuzzTargets.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using Check = std::function<juce::String (const void*, size_t)>;

struct CorpusCase
{
    const char* folder;
    Check check;
};

juce::File corpusFolder (const char* name)
{
    return juce::File (TOLMVESK_TEST_FIXTURES_DIR)
        .getSiblingFile ("fuzz")
        .getChildFile ("corpus")
        .getChildFile (name);
}

class FuzzCorpusReplayTest : public ::testing::TestWithParam<CorpusCase>
{
};

TEST_P (FuzzCorpusReplayTest, EveryInputKeepsTheReadersPromises)
{
    const auto folder = corpusFolder (GetParam().folder);
    const auto inputs = folder.findChildFiles (juce::File::findFiles, false);

    // The importer's corpus is added by its own work; every other corpus is seeded.
    if (inputs.isEmpty() && juce::String (GetParam().folder) == "tonexa")
        GTEST_SKIP() << "no inputs in " << folder.getFullPathName();

    ASSERT_FALSE (inputs.isEmpty()) << folder.getFullPathName();

    for (const auto& input : inputs)
    {
        juce::MemoryBlock bytes;
        ASSERT_TRUE (input.loadFileAsData (bytes)) << input.getFullPathName();
        EXPECT_EQ (GetParam().check (bytes.getData(), bytes.getSize()), juce::String())
            << input.getFileName();
    }
}

INSTANTIATE_TEST_SUITE_P (Corpora, FuzzCorpusReplayTest,
                          ::testing::Values (CorpusCase{"zip", fuzz::checkZipArchive},
                                             CorpusCase{"library", fuzz::checkLibraryProgramPresetFiles},
                                             CorpusCase{"container", fuzz::checkSerializedContainers},
                                             CorpusCase{"xml", fuzz::checkXmlDocument},
                                             CorpusCase{"tonexa", fuzz::checkTonexaImport},
                                             CorpusCase{"midi", fuzz::checkMidiInput}),
                          [] (const auto& testInfo) { return std::string (testInfo.param.folder); });

// The seeds must be what the librarian reads, or the fuzzers start from
// nothing: every seeded file kind must be accepted by its reader.
TEST (FuzzCorpusSeeds, TheLibrarianAcceptsItsOwnFiles)
{
    const auto files = corpusFolder ("library");

    xTV200_data::LibraryData library;
    EXPECT_EQ (xTV200_file::LibraryFileReader (library).read (files.getChildFile ("library.tvlib")), 0);
    EXPECT_EQ (library.getProgram (0).getName().trimEnd(), "Glass Pad");

    xTV200_data::ProgramData program;
    EXPECT_EQ (xTV200_file::ProgramFileReader (program).read (files.getChildFile ("program.tvprog")), 0);
    EXPECT_TRUE (program.getName().startsWith ("Single"));

    xTV200_data::PresetData preset;
    EXPECT_EQ (xTV200_file::PresetFileReader (preset).read (files.getChildFile ("preset.tvpreset")), 0);
    EXPECT_EQ (preset.getInformation().dataID, "FuzzSeed-0001");

    juce::MemoryBlock container;
    ASSERT_TRUE (corpusFolder ("container").getChildFile ("library.bin").loadFileAsData (container));
    xTV200_data::LibraryData fromContainer;
    EXPECT_TRUE (fromContainer.deserialize (data::SerializedData (container)));
    EXPECT_EQ (fromContainer.getProgram (299).getName().trimEnd(), "Last Lead");
}
} // namespace
