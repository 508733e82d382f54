#pragma once

#include "app/ProgramClipboard.h"

namespace application
{
/** A clipboard that lives in this process only. */
class InMemoryProgramClipboard final : public ProgramClipboard
{
public:
    bool hasProgramData() const override { return offered; }

    void setProgramData (const juce::MemoryBlock& bytes) override
    {
        content = bytes;
        offered = true;
    }

    juce::MemoryBlock getProgramData() const override { return content; }

    /** Leaves the clipboard holding something of another format. */
    void clear()
    {
        content.reset();
        offered = false;
    }

private:
    juce::MemoryBlock content;
    bool offered = false;
};
} // namespace application
