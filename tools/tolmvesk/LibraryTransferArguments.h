#pragma once

#include "tolmvesk/OptionReader.h"

#include <optional>
#include <vector>

namespace tolmvesk
{
/** What receive and write are given besides the ports: one .tvlib file and,
    with --programs, the programs to transfer. */
struct LibraryTransferArguments
{
    juce::File libraryFile;

    /** 0-based, in the order listed; none for the whole library. */
    std::optional<std::vector<int>> programs;

    /** What is wrong with the command line; empty when nothing is. */
    juce::String problem;

    /** Takes --programs out of the options and checks what is left. */
    static LibraryTransferArguments take (const juce::String& commandName, const juce::StringArray& arguments,
                                          OptionReader& options);

    /** "300 programs", "1 program". */
    juce::String describeCount() const;
};
} // namespace tolmvesk
