#pragma once

#include "data/PresetData.h"
#include "file/PresetFileWriter.h"

#include <gtest/gtest.h>

namespace test
{
/** A bundle whose program i is named tag + its number ("B-007" for tag "B-"
    and i = 6), so that a test can tell bundles and programs apart by name. */
inline xTV200_data::PresetData makeNamedBundle (const juce::String& dataID, const juce::String& tag)
{
    xTV200_data::PresetData preset;
    preset.getInformation().dataID = dataID;
    preset.getInformation().name = "Bundle " + dataID;
    preset.getInformation().version = 1;

    for (int i = 0; i < xTV200_data::PresetData::numPrograms; ++i)
    {
        const auto name = (tag + juce::String::formatted ("%03d", i + 1)).toStdString();
        for (int c = 0; c < xTV200_data::ProgramData::nameLength; ++c)
            preset.getProgram (i).setByte (c, c < static_cast<int> (name.size()) ? static_cast<juce::uint8> (name[(size_t) c]) : 0);
    }

    return preset;
}

inline juce::File writeNamedBundle (const juce::File& folder, const juce::String& dataID, const juce::String& tag)
{
    const auto file = folder.getChildFile (dataID + ".tvpreset");
    EXPECT_EQ (xTV200_file::PresetFileWriter (makeNamedBundle (dataID, tag)).write (file), 0);
    return file;
}
} // namespace test
