#include "midi/CTRVMidiMessage.h"

CTRVMidiMessage::CTRVMidiMessage (int numBytes, const void* bytes)
{
    if (bytes != nullptr && numBytes > 0)
        data.append (bytes, static_cast<size_t> (numBytes));
}

CTRVMidiMessage::CTRVMidiMessage (const juce::MemoryBlock& bytes)
    : data (bytes)
{
}

bool CTRVMidiMessage::isMeta() const noexcept
{
    return getLength() >= 3 && getData()[0] == 0xff;
}

bool CTRVMidiMessage::isSysEx() const noexcept
{
    return getLength() > 0 && getData()[0] == 0xf0;
}
