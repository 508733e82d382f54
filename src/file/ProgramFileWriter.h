#pragma once

#include "data/ProgramData.h"
#include "file/FileWriter.h"

namespace xTV200_file
{
/** Writes a program file (".tvprog") holding one program as Prog_000. */
class ProgramFileWriter final : public file::FileWriter
{
public:
    explicit ProgramFileWriter (const xTV200_data::ProgramData& programToWrite)
        : program (programToWrite)
    {
    }

    int write (const juce::File& file) override;

private:
    const xTV200_data::ProgramData& program;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramFileWriter)
};
} // namespace xTV200_file
