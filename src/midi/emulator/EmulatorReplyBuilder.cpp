#include "midi/emulator/EmulatorReplyBuilder.h"

namespace xTV200_midi
{
namespace
{
constexpr int otherManufacturerId = 0x41;

void appendByte (juce::MemoryBlock& message, int byte)
{
    const auto value = static_cast<juce::uint8> (byte);
    message.append (&value, 1);
}
} // namespace

EmulatorReplyBuilder::EmulatorReplyBuilder (int channelToUse, int memberIdToReport,
                                            std::array<juce::uint8, 4> versionBytes) noexcept
    : channel (channelToUse & 0x0F)
    , memberId (memberIdToReport)
    , version (versionBytes)
    , dumps (channel, familyId, memberIdToReport)
{
}

juce::MemoryBlock EmulatorReplyBuilder::createDeviceSearchReply (juce::uint8 echoedIndex) const
{
    return createIdAndVersionReply (
        {0xF0, SysExGenerator::manufacturerId, 0x50, 0x01, channel, echoedIndex & 0x7F});
}

juce::MemoryBlock EmulatorReplyBuilder::createIdentityReply (bool ofOtherMaker) const
{
    const auto maker = ofOtherMaker ? otherManufacturerId : SysExGenerator::manufacturerId;
    return createIdAndVersionReply ({0xF0, 0x7E, channel, 0x06, 0x02, maker});
}

juce::MemoryBlock EmulatorReplyBuilder::createIdAndVersionReply (std::initializer_list<int> start) const
{
    juce::MemoryBlock message;

    for (const auto byte : start)
        appendByte (message, byte);

    // The ids go low byte first; the librarian reads each byte's low seven bits.
    appendByte (message, familyId & 0x7F);
    appendByte (message, (familyId >> 8) & 0x7F);
    appendByte (message, memberId & 0x7F);
    appendByte (message, (memberId >> 8) & 0x7F);

    for (const auto byte : version)
        appendByte (message, byte & 0x7F);

    appendByte (message, 0xF7);
    return message;
}

juce::MemoryBlock EmulatorReplyBuilder::createShortReply (int function) const
{
    juce::MemoryBlock message;

    for (const auto byte : {0xF0, SysExGenerator::manufacturerId, 0x30 | channel, 0x00,
                            dumps.getFamilyByte1(), dumps.getFamilyByte2(), function & 0x7F, 0xF7})
        appendByte (message, byte);

    return message;
}
} // namespace xTV200_midi
