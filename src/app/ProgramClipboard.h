#pragma once

#include <juce_core/juce_core.h>

namespace application
{
/** The clipboard as program copy and paste sees it: one program, carried as a
    serialized program container under the private format "xTV200_ProgramData".

    The desktop implements it on the system clipboard, so that a program copied
    in one running librarian pastes in another; tests use the in-memory one.
*/
class ProgramClipboard
{
public:
    static constexpr const char* formatName = "xTV200_ProgramData";

    virtual ~ProgramClipboard() = default;

    /** True when the clipboard offers the program format. */
    virtual bool hasProgramData() const = 0;

    /** Makes the bytes the clipboard's only content. Failures are silent. */
    virtual void setProgramData (const juce::MemoryBlock& bytes) = 0;

    /** A copy of the offered bytes; empty when there are none. */
    virtual juce::MemoryBlock getProgramData() const = 0;
};
} // namespace application
