#pragma once

#include "data/LibraryData.h"
#include "data/PresetData.h"
#include "file/LibraryFileWriter.h"
#include "file/PresetFileWriter.h"
#include "file/ProgramFileWriter.h"
#include "support/TemporaryFolder.h"
#include "tolmvesk/CommandLineTool.h"

#include <gtest/gtest.h>

#include <sstream>

namespace test
{
/** What one in-process run of the tool printed and returned. */
struct ToolRun
{
    int status = -1;
    std::string out;
    std::string err;
};

inline ToolRun runTool (const juce::StringArray& arguments)
{
    std::ostringstream out, err;
    ToolRun run;
    run.status = tolmvesk::runCommandLineTool (arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

/** The initial program renamed, given a category (0 Synth ... 8 User), a
    byte that makes its sound (and hash) its own, and its texts. */
inline xTV200_data::ProgramData makeNamedProgram (const char* name, int category,
                                                  const juce::String& programmer, const juce::String& comment)
{
    xTV200_data::ProgramData program;
    const auto nameLength = std::min<size_t> (strlen (name), xTV200_data::ProgramData::nameLength);

    for (size_t index = 0; index < xTV200_data::ProgramData::nameLength; ++index)
        program.setByte (static_cast<int> (index),
                         static_cast<juce::uint8> (index < nameLength ? name[index] : ' '));

    program.setByte (xTV200_data::ProgramData::categoryByte, static_cast<juce::uint8> (category));
    program.setByte (300, static_cast<juce::uint8> (name[0]));
    program.getInformation().programmer = programmer;
    program.getInformation().comment = comment;
    return program;
}

/** A temporary folder with a library, a preset and a program file whose
    programs can be told apart in the tool's output. */
class ToolFilesTest : public ::testing::Test
{
protected:
    ToolFilesTest()
    {
        library.getProgram (0) = makeNamedProgram ("Warm Pad", 0, "Ann", "first\tline\nsecond line");
        library.getProgram (1) = makeNamedProgram ("Fat Bass", 2, "Bob", "deep");
        library.getProgram (299) = makeNamedProgram ("Last One", 8, "Cy", "");
        library.getFavorites().setValue (0, 0, 299);
        library.getFavorites().setValue (0, 1, 1);
        library.getFavorites().setValue (5, 7, 0);

        preset.getInformation().dataID = "TV-0042";
        preset.getInformation().name = "Night Set";
        preset.getInformation().author = "Dee";
        preset.getInformation().version = 7;
        preset.getInformation().date = "2024-05-01";
        preset.getInformation().prefix = "N";
        preset.getInformation().copyright = "(c) Dee";
        preset.getProgram (0) = makeNamedProgram ("Night Lead", 1, "", "");
        preset.getProgram (5) = makeNamedProgram ("Organ", 6, "", "");

        program = makeNamedProgram ("Solo Brass", 3, "Eve", "bright");
    }

    juce::File writeLibrary (const juce::String& name = "Songs.tvlib") const
    {
        const auto file = path (name);
        EXPECT_EQ (xTV200_file::LibraryFileWriter (library).write (file), 0);
        return file;
    }

    juce::File writePreset (const juce::String& name = "Night.tvpreset") const
    {
        const auto file = path (name);
        EXPECT_EQ (xTV200_file::PresetFileWriter (preset).write (file), 0);
        return file;
    }

    juce::File writeProgram (const juce::String& name = "Brass.tvprog") const
    {
        const auto file = path (name);
        EXPECT_EQ (xTV200_file::ProgramFileWriter (program).write (file), 0);
        return file;
    }

    juce::File path (const juce::String& name) const { return folder.getChildFile (name); }

    TemporaryFolder folder;
    xTV200_data::LibraryData library;
    xTV200_data::PresetData preset;
    xTV200_data::ProgramData program;
};

/** The lines of a tool's output, without the empty one after its last line break. */
inline juce::StringArray linesOf (const std::string& text)
{
    juce::StringArray lines;
    lines.addLines (juce::String::fromUTF8 (text.c_str()));

    if (lines.size() > 0 && lines[lines.size() - 1].isEmpty())
        lines.remove (lines.size() - 1);

    return lines;
}
} // namespace test
