#pragma once

#include <juce_core/juce_core.h>

namespace xTV200_data
{
/** The texts that travel with a program. All are empty at construction.

    Programmer and comment are written to every library and program file;
    the other three are only read from files that carry them.
*/
class ProgramInformation
{
public:
    ProgramInformation() = default;
    ProgramInformation (const ProgramInformation&) = default;
    ProgramInformation& operator= (const ProgramInformation&) = default;
    virtual ~ProgramInformation() = default;

    bool operator== (const ProgramInformation& other) const;
    bool operator!= (const ProgramInformation& other) const { return ! operator== (other); }

    juce::String programmer;
    juce::String comment;
    juce::String playListID;
    juce::String searchWord;
    juce::String youTubeLink;
};
} // namespace xTV200_data
