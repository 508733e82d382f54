#include "data/ParameterListing.h"
#include "data/ParameterMap.h"
#include "data/ProgramParameterWriter.h"
#include "file/FactoryPresetBuilder.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileReader.h"
#include "file/PresetFileWriter.h"
#include "support/TemporaryFolder.h"

#include "TolmVESKResources.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace
{
using xTV200_data::DataBlock;
using xTV200_data::ParameterId;
using xTV200_data::PresetData;
using xTV200_data::ProgramData;

DataBlock bytesOf (const ProgramData& program)
{
    return { program.getBytes(), ProgramData::numBytes };
}

juce::String valueTextOf (const ProgramData& program, ParameterId id)
{
    xTV200_data::ParameterInfo info;

    if (! xTV200_data::getParameterInfo (id, bytesOf (program), info))
        return {};

    return xTV200_data::getParameterValueText (info, xTV200_data::readParameterValue (id, info, bytesOf (program)));
}

/** The texts one parameter shows over all factory programs, with how often. */
std::map<juce::String, int> textsOver (const PresetData& preset, ParameterId id)
{
    std::map<juce::String, int> texts;

    for (int index = 0; index < PresetData::numPrograms; ++index)
        ++texts[valueTextOf (preset.getProgram (index), id)];

    return texts;
}

/** The factory bundle as the program carries it, read through the preset reader. */
class FactoryPresetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        test::TemporaryFolder folder;
        const auto file = folder.getChildFile ("Factory.tvpreset");
        ASSERT_TRUE (file.replaceWithData (TolmVESKResources::Factory_tvpreset,
                                           static_cast<size_t> (TolmVESKResources::Factory_tvpresetSize)));

        embedded = std::make_unique<PresetData>();
        readCode = xTV200_file::PresetFileReader (*embedded).read (file);
    }

    static void TearDownTestSuite() { embedded.reset(); }

    void SetUp() override { ASSERT_EQ (readCode, file::ReadResult::noError); }

    static const PresetData& preset() { return *embedded; }

    static inline std::unique_ptr<PresetData> embedded;
    static inline int readCode = -1;
};

TEST_F (FactoryPresetTest, CarriesTheFactoryInformation)
{
    const auto& information = preset().getInformation();
    EXPECT_EQ (information.dataID, "TolmVESK-Factory-0001");
    EXPECT_EQ (information.name, "Factory");
    EXPECT_EQ (information.author, "TolmVESK Sound Librarian team");
    EXPECT_EQ (information.version, 1);
    EXPECT_EQ (information.date, "2026-12-10");
    EXPECT_EQ (information.prefix, "FAC");
    EXPECT_EQ (information.copyright, "(C) 2026 TolmVESK Sound Librarian contributors, GPL-3.0-or-later");
}

TEST_F (FactoryPresetTest, NamesAreDistinctPrintableAndFitTheDisplay)
{
    std::set<juce::String> names;

    for (int index = 0; index < PresetData::numPrograms; ++index)
    {
        const auto& program = preset().getProgram (index);
        const auto name = program.getName().trimEnd();
        SCOPED_TRACE (index);

        EXPECT_FALSE (name.isEmpty());
        EXPECT_LE (name.length(), ProgramData::nameLength);
        EXPECT_NE (name, "INITPROG");
        EXPECT_TRUE (names.insert (name).second) << "duplicate name " << name;

        // Every one of the twelve bytes is a name character, padded with blanks.
        for (int i = 0; i < ProgramData::nameLength; ++i)
            EXPECT_TRUE (program.getByte (i) >= 32 && program.getByte (i) <= 125) << "byte " << i;

        EXPECT_TRUE (program.getInformation().programmer.isEmpty());
        EXPECT_TRUE (program.getInformation().comment.isEmpty());
    }
}

TEST_F (FactoryPresetTest, EveryParameterOfEveryProgramIsInsideItsRange)
{
    for (int index = 0; index < PresetData::numPrograms; ++index)
    {
        const auto& program = preset().getProgram (index);
        SCOPED_TRACE (program.getName());

        for (const auto& entry : xTV200_data::listProgramParameters (bytesOf (program)))
        {
            ASSERT_TRUE (entry.hasRecord) << entry.id.group << "." << entry.id.index;

            if (entry.info.kind == xTV200_data::ParameterKind::unused)
                continue;

            EXPECT_GE (entry.value, entry.info.minimum) << entry.info.name;
            EXPECT_LE (entry.value, entry.info.maximum) << entry.info.name;
            EXPECT_FALSE (entry.text.isEmpty()) << entry.info.name;
            EXPECT_NE (entry.text, "Invalid!") << entry.info.name;
        }
    }
}

TEST_F (FactoryPresetTest, SoundsAreSpreadOverCategoriesTypesAndEffects)
{
    struct Spread
    {
        ParameterId id;
        size_t minimumDistinctTexts;
    };

    // clang-format off
    const Spread spreads[] = {
        { { 0, 12 }, 9 },  // Category: all nine
        { { 0, 13 }, 3 },  // Voice Mode: Single, Layer and Split
        { { 2, 0 },  3 },  // Voice Assign of timbre A
        { { 2, 12 }, 40 }, // Osc1 Type of timbre A
        { { 2, 30 }, 8 },  // Filter Type of timbre A
        { { 6, 0 },  6 },  // PreFX Type
        { { 6, 3 },  6 },  // ModFX Type
        { { 6, 7 },  6 },  // Rev/Delay Type
        { { 8, 0 },  2 },  // Arpeggiator SW
        { { 7, 0 },  2 },  // Vocoder SW
    };
    // clang-format on

    for (const auto& spread : spreads)
    {
        const auto texts = textsOver (preset(), spread.id);
        EXPECT_GE (texts.size(), spread.minimumDistinctTexts) << spread.id.group << "." << spread.id.index;
    }

    const auto categories = textsOver (preset(), { 0, 12 });

    for (const auto* category : { "Synth", "Lead", "Bass", "Brass", "Strings", "Piano", "Key", "SE/Voc", "User" })
        EXPECT_GE (categories.count (category) > 0 ? categories.at (category) : 0, 20) << category;
}

TEST_F (FactoryPresetTest, OscillatorTypesFromEveryFamilyAreUsed)
{
    std::set<int> families;

    for (int index = 0; index < PresetData::numPrograms; ++index)
        families.insert (xTV200_data::getOscillatorTypeCategory (
            xTV200_data::getParameterValue ({ 2, 12 }, bytesOf (preset().getProgram (index)))));

    EXPECT_EQ (families, (std::set<int> { 0, 1, 2, 3 })); // analogue, DWGS, PCM, audio input
}

TEST_F (FactoryPresetTest, BuilderGivesTheEmbeddedFileByteForByte)
{
    PresetData built;
    ASSERT_TRUE (xTV200_file::FactoryPresetBuilder::build (built));
    EXPECT_TRUE (built == preset());

    test::TemporaryFolder folder;
    const auto file = folder.getChildFile ("Again.tvpreset");
    ASSERT_EQ (xTV200_file::PresetFileWriter (built).write (file), file::WriteResult::noError);

    juce::MemoryBlock written;
    ASSERT_TRUE (file.loadFileAsData (written));
    const juce::MemoryBlock embeddedBytes (TolmVESKResources::Factory_tvpreset,
                                           static_cast<size_t> (TolmVESKResources::Factory_tvpresetSize));
    EXPECT_TRUE (written == embeddedBytes)
        << "regenerate resources/presets/Factory.tvpreset (see tools/factory-preset/README.md)";
}

// The writer the builder relies on: it must put a value exactly where the
// reader finds it, and leave the neighbouring bits alone.
TEST (ProgramParameterWriterTest, WritesWhereTheMapReadsAndRefusesWhatDoesNotFit)
{
    struct Case
    {
        ParameterId id;
        int value;
    };

    // clang-format off
    const Case cases[] = {
        { { 0, 12 }, 8 },     // Category
        { { 2, 4 },  -48 },   // Transpose, two's complement
        { { 4, 30 }, 17 },    // Filter Type of timbre B
        { { 8, 1 },  300 },   // Arpeggiator Tempo, two bytes
        { { 8, 12 }, 0 },     // Step2, one bit of the step byte
        { { 7, 14 }, 32767 }, // Formant hold band 1
    };
    // clang-format on

    for (const auto& c : cases)
    {
        ProgramData program;
        const auto before = program;
        ASSERT_TRUE (xTV200_data::writeProgramParameterValue (program, c.id, c.value));
        EXPECT_EQ (xTV200_data::getParameterValue (c.id, bytesOf (program)), c.value);
        EXPECT_NE (program.getHash(), before.getHash());

        // Every other parameter kept its value.
        const auto listedBefore = xTV200_data::listProgramParameters (bytesOf (before));
        const auto listedAfter = xTV200_data::listProgramParameters (bytesOf (program));
        ASSERT_EQ (listedBefore.size(), listedAfter.size());

        for (size_t i = 0; i < listedBefore.size(); ++i)
        {
            if (listedBefore[i].id != c.id)
            {
                EXPECT_EQ (listedBefore[i].value, listedAfter[i].value) << listedBefore[i].info.name;
            }
        }
    }

    ProgramData program;
    const auto initial = program;
    EXPECT_FALSE (xTV200_data::writeProgramParameterValue (program, { 0, 12 }, 9));   // above the range
    EXPECT_FALSE (xTV200_data::writeProgramParameterValue (program, { 2, 4 }, -49));  // below the range
    EXPECT_FALSE (xTV200_data::writeProgramParameterValue (program, { 2, 16 }, 1));   // Saw has no Control2
    EXPECT_FALSE (xTV200_data::writeProgramParameterValue (program, { 9, 0 }, 0));    // a global group
    EXPECT_FALSE (xTV200_data::writeProgramParameterValue (program, { 2, 99 }, 0));   // no such record
    EXPECT_TRUE (program == initial);
}
} // namespace
