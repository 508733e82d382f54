#include "midi/SysExGenerator.h"

#include "midi/SevenBitPacking.h"

namespace xTV200_midi
{
SysExGenerator::SysExGenerator (int channelToUse, int targetFamilyId, int targetMemberId) noexcept
    : channel (channelToUse & 0x0F)
    , familyByte1 ((targetFamilyId >> 8) & 0x7F)
    , familyByte2 (targetFamilyId & 0x7F)
    , memberByte (targetMemberId & 0x7F)
{
}

juce::MemoryBlock SysExGenerator::createIdentityRequest()
{
    static const juce::uint8 bytes[] = {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    return {bytes, sizeof (bytes)};
}

juce::MemoryBlock SysExGenerator::createGlobalDataDumpRequest() const
{
    auto message = createHeader (functionGlobalDataDumpRequest);
    appendByte (message, 0xF7);
    return message;
}

juce::MemoryBlock SysExGenerator::createProgramDataDumpRequest (int programNumber) const
{
    auto message = createHeader (functionProgramDataDumpRequest);
    appendProgramNumber (message, programNumber);
    appendByte (message, 0xF7);
    return message;
}

juce::MemoryBlock SysExGenerator::createCurrentProgramDataDump (const juce::MemoryBlock& programBytes) const
{
    if (programBytes.getSize() != static_cast<size_t> (numProgramBytes))
        return {};

    auto message = createHeader (functionCurrentProgramDataDump);
    appendPackedAndEnd (message, programBytes);
    return message;
}

juce::MemoryBlock SysExGenerator::createProgramDataDump (int programNumber,
                                                         const juce::MemoryBlock& programBytes) const
{
    if (programBytes.getSize() != static_cast<size_t> (numProgramBytes))
        return {};

    auto message = createHeader (functionProgramDataDump);
    appendProgramNumber (message, programNumber);
    appendPackedAndEnd (message, programBytes);
    return message;
}

juce::MemoryBlock SysExGenerator::createGlobalDataDump (const juce::MemoryBlock& globalBytes) const
{
    if (globalBytes.getSize() != static_cast<size_t> (numGlobalBytes))
        return {};

    auto message = createHeader (functionGlobalDataDump);
    appendPackedAndEnd (message, globalBytes);
    return message;
}

juce::MemoryBlock SysExGenerator::createHeader (int function) const
{
    juce::MemoryBlock message;
    appendByte (message, 0xF0);
    appendByte (message, manufacturerId);
    appendByte (message, 0x30 | channel);
    appendByte (message, 0x00);
    appendByte (message, familyByte1);
    appendByte (message, familyByte2);
    appendByte (message, function);
    return message;
}

void SysExGenerator::appendByte (juce::MemoryBlock& message, int byte)
{
    const auto value = static_cast<juce::uint8> (byte);
    message.append (&value, 1);
}

void SysExGenerator::appendProgramNumber (juce::MemoryBlock& message, int programNumber)
{
    appendByte (message, programNumber & 0x7F);
    appendByte (message, (programNumber >> 7) & 0x7F);
}

void SysExGenerator::appendPackedAndEnd (juce::MemoryBlock& message, const juce::MemoryBlock& data)
{
    midi::SevenBitPacking::pack (static_cast<const juce::uint8*> (data.getData()), data.getSize(), message);
    appendByte (message, 0xF7);
}
} // namespace xTV200_midi
