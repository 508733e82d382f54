#pragma once

#include <juce_core/juce_core.h>

/** One MIDI message, status byte first. A SysEx message runs from 0xF0 to
    0xF7 inclusive. The bytes are owned and copied with the message.
*/
class CTRVMidiMessage
{
public:
    CTRVMidiMessage() = default;

    /** Copies numBytes bytes; a negative size or a null pointer makes an empty message. */
    CTRVMidiMessage (int numBytes, const void* bytes);

    explicit CTRVMidiMessage (const juce::MemoryBlock& bytes);

    CTRVMidiMessage (const CTRVMidiMessage&) = default;
    CTRVMidiMessage& operator= (const CTRVMidiMessage&) = default;
    CTRVMidiMessage (CTRVMidiMessage&&) noexcept = default;
    CTRVMidiMessage& operator= (CTRVMidiMessage&&) noexcept = default;
    virtual ~CTRVMidiMessage() = default;

    int getLength() const noexcept { return static_cast<int> (data.getSize()); }
    const juce::uint8* getData() const noexcept { return static_cast<const juce::uint8*> (data.getData()); }
    const juce::MemoryBlock& getBytes() const noexcept { return data; }

    /** A meta event (0xFF with at least two bytes after it) is never sent to a port. */
    bool isMeta() const noexcept;

    /** True when the first byte is 0xF0. */
    bool isSysEx() const noexcept;

private:
    juce::MemoryBlock data;
};
