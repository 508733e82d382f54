#pragma once

#include "data/ProgramData.h"
#include "file/FileReader.h"

namespace xTV200_file
{
/** Reads a program file (".tvprog"); of several programs the first is taken.
    On any code but 0 the target program is untouched. */
class ProgramFileReader final : public file::FileReader
{
public:
    explicit ProgramFileReader (xTV200_data::ProgramData& programToFill)
        : program (programToFill)
    {
    }

    /** The codes of ZipLibraryFileReader::read(), and 10 when the file lists
        no program. */
    int read (const juce::File& file) override;

private:
    xTV200_data::ProgramData& program;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramFileReader)
};
} // namespace xTV200_file
