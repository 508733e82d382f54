#include "ui/SystemProgramClipboard.h"

#include "ui/CTRVClipboard.h"

namespace xTV200_ui
{
bool SystemProgramClipboard::hasProgramData() const
{
    return CTRVClipboard::getInstance()->hasData (formatName);
}

void SystemProgramClipboard::setProgramData (const juce::MemoryBlock& bytes)
{
    CTRVClipboard::getInstance()->setData (bytes, formatName);
}

juce::MemoryBlock SystemProgramClipboard::getProgramData() const
{
    juce::MemoryBlock bytes;
    CTRVClipboard::getInstance()->getData (formatName, bytes);
    return bytes;
}
} // namespace xTV200_ui
