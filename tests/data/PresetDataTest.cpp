#include "data/PresetLibrary.h"
#include "data/ProgramPresetConnector.h"

#include <gtest/gtest.h>

using xTV200_data::PresetData;
using xTV200_data::PresetLibrary;
using xTV200_data::ProgramData;
using xTV200_data::ProgramPresetConnector;

namespace
{
ProgramData programWithByte (int index, juce::uint8 value)
{
    ProgramData program;
    program.setByte (index, value);
    return program;
}

PresetData presetHolding (int index, const ProgramData& program, const char* name)
{
    PresetData preset;
    preset.getProgram (index) = program;
    preset.getInformation().name = name;
    return preset;
}
} // namespace

TEST (PresetLibrary, IndicesOutOfRangeGiveTheSameEmptyFallback)
{
    PresetLibrary presets;
    presets.append (presetHolding (0, programWithByte (0, 'A'), "One"));

    const auto& below = presets.getPreset (-1);
    const auto& atCount = presets.getPreset (1);

    EXPECT_EQ (&below, &atCount);
    EXPECT_EQ (below, PresetData());
    EXPECT_EQ (presets.getPreset (0).getInformation().name, "One");
}

TEST (PresetData, CopiesTakeProgramsAndInformationButNotTheFallback)
{
    auto preset = presetHolding (299, programWithByte (20, 3), "Bundle");
    preset.getInformation().version = 7;
    preset.getProgram (300).setByte (0, 'F');

    const PresetData copy (preset);

    EXPECT_EQ (copy, preset);
    EXPECT_EQ (copy.getInformation().version, 7);
    EXPECT_EQ (copy.getProgram (300), ProgramData());

    preset.initialize();
    EXPECT_EQ (preset, PresetData());
}

TEST (ProgramPresetConnector, FindsTheFirstPresetProgramWithTheSameBytes)
{
    const auto sound = programWithByte (100, 0x33);
    PresetLibrary presets;
    presets.append (presetHolding (0, programWithByte (1, 1), "Other"));
    presets.append (presetHolding (42, sound, "Second"));
    presets.append (presetHolding (7, sound, "Third"));

    auto withComment = sound;
    withComment.getInformation().comment = "texts do not count";
    const ProgramPresetConnector connector (withComment, presets);

    EXPECT_TRUE (connector.found);
    EXPECT_EQ (connector.presetIndex, 1);
    EXPECT_EQ (connector.programIndex, 42);

    const ProgramPresetConnector missing (programWithByte (100, 0x34), presets);
    EXPECT_FALSE (missing.found);
    EXPECT_EQ (missing.presetIndex, -1);
    EXPECT_EQ (missing.programIndex, -1);
}

TEST (ProgramPresetConnector, InitialProgramsNeverMatch)
{
    ProgramData blankInitial;
    for (int i = 0; i < ProgramData::nameLength; ++i)
        blankInitial.setByte (i, ' ');

    PresetLibrary presets;
    presets.append (presetHolding (3, blankInitial, "Holds a blank initial program"));

    EXPECT_FALSE (ProgramPresetConnector (blankInitial, presets).found);
    EXPECT_FALSE (ProgramPresetConnector (ProgramData(), presets).found);
}
