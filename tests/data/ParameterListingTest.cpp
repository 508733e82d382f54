#include "data/ParameterListing.h"
#include "data/ProgramData.h"
#include "ParameterTestBlocks.h"

#include <gtest/gtest.h>

using namespace xTV200_data;

namespace
{
/** One line per parameter: id, name, raw value, the text in quotes (so that
    blanks show) and whether its condition holds. */
juce::String formatListing (const std::vector<ParameterListEntry>& entries)
{
    juce::StringArray lines;

    for (const auto& entry : entries)
    {
        const auto id = juce::String (entry.id.group) + "." + juce::String (entry.id.index);
        const auto state = !entry.hasRecord ? "no record" : (entry.active ? "active" : "inactive");
        lines.add (id.paddedRight (' ', 6) + juce::String (entry.info.name).paddedRight (' ', 25) +
                   juce::String (entry.value).paddedLeft (' ', 6) + "  " +
                   ("\"" + entry.text + "\"").paddedRight (' ', 22) + state);
    }

    return lines.joinIntoString ("\n") + "\n";
}

TEST (ParameterListing, InitialProgramReadsAsTheSynthesizerShowsIt)
{
    const auto fixture =
        juce::File (TOLMVESK_TEST_FIXTURES_DIR).getChildFile ("initial_program_parameters.txt");
    ASSERT_TRUE (fixture.existsAsFile()) << fixture.getFullPathName();

    const ProgramData initialProgram;
    const auto listing =
        formatListing (listProgramParameters ({initialProgram.getBytes(), ProgramData::numBytes}));

    juce::StringArray expectedLines, actualLines;
    expectedLines.addLines (fixture.loadFileAsString());
    actualLines.addLines (listing);

    for (int i = 0; i < juce::jmax (expectedLines.size(), actualLines.size()); ++i)
        ASSERT_EQ (actualLines[i], expectedLines[i]) << "line " << i + 1 << "; the whole listing:\n"
                                                     << listing;
}

TEST (ParameterListing, ProgramListingWalksGroups0To8InOrder)
{
    const test::TestProgramBytes program;
    const auto entries = listProgramParameters (program.block());

    ASSERT_EQ (entries.size(), 16u + 1 + 62 + 18 + 62 + 18 + 11 + 34 + 19);
    EXPECT_EQ (entries.front().id, ParameterId (0, 0));
    EXPECT_EQ (entries[16].id, ParameterId (1, 0));
    EXPECT_EQ (entries[17 + 62 + 18].id, ParameterId (4, 0));
    EXPECT_EQ (entries.back().id, ParameterId (8, 18));
}

TEST (ParameterListing, ParametersWithoutARecordReadZeroAndShowNothing)
{
    test::TestProgramBytes program;
    program.set (2, 12, 200); // no oscillator type
    program.set (2, 15, 0x33);
    program.set (6, 7, 9); // no Rev/Delay type

    const auto entries = listProgramParameters (program.block());
    const auto find = [&entries] (ParameterId id)
    { return *std::find_if (entries.begin(), entries.end(), [id] (const auto& e) { return e.id == id; }); };

    for (const auto id : {ParameterId (2, 15), ParameterId (2, 16), ParameterId (6, 9), ParameterId (6, 10)})
    {
        const auto entry = find (id);
        EXPECT_FALSE (entry.hasRecord) << id.group << "." << id.index;
        EXPECT_EQ (entry.value, 0);
        EXPECT_TRUE (entry.text.isEmpty());
        EXPECT_FALSE (entry.active);
    }

    EXPECT_STREQ (find ({2, 15}).info.name, "Control1");
    EXPECT_TRUE (find ({2, 12}).hasRecord);
    EXPECT_EQ (find ({2, 12}).text, "[MIC] Mic In"); // 200 clamps to 127
    EXPECT_TRUE (find ({4, 15}).hasRecord);
}

TEST (ParameterListing, GlobalListingWalksGroups9To18)
{
    test::TestGlobalBytes global;
    global.set (9, 0, 0x9C);   // Master Tune -100
    global.set (11, 4, 116);   // MIDI1 Ctrl Src
    global.set (12, 60, 0xFF); // Vocoder E.F. Sens: Off
    global.set (18, 94, 0x2B);
    global.set (18, 95, 0x01); // Favorite5-8: program 300

    const auto entries = listGlobalParameters (global.block());

    ASSERT_EQ (entries.size(), 16u + 1 + 12 + 61 + 6 + 12 + 2 + 2 + 4 + 48);
    EXPECT_TRUE (std::all_of (entries.begin(), entries.end(), [] (const auto& e) { return e.hasRecord; }));

    EXPECT_EQ (entries.front().id, ParameterId (9, 0));
    EXPECT_EQ (entries.front().value, -100);
    EXPECT_EQ (entries.front().text, "430.0Hz");
    EXPECT_EQ (entries[17 + 4].text, juce::String::fromUTF8 ("CC#16\xC2\x8C"));
    EXPECT_STREQ (entries[29 + 60].info.name, "Vocoder E.F. Sens");
    EXPECT_EQ (entries[29 + 60].text, "Off");
    EXPECT_EQ (entries.back().id, ParameterId (18, 47));
    EXPECT_STREQ (entries.back().info.name, "Favorite5-8");
    EXPECT_EQ (entries.back().text, "300");
    EXPECT_FALSE (entries[15].active); // Power Save Time while Power Save Mode is 0
}

} // namespace
