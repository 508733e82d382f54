#pragma once

#include "app/ProgramClipboard.h"

namespace xTV200_ui
{
/** Program copy and paste on the desktop's clipboard, so that a program copied
    in one running librarian pastes in another. */
class SystemProgramClipboard final : public application::ProgramClipboard
{
public:
    SystemProgramClipboard() = default;

    bool hasProgramData() const override;
    void setProgramData (const juce::MemoryBlock& bytes) override;
    juce::MemoryBlock getProgramData() const override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SystemProgramClipboard)
};
} // namespace xTV200_ui
