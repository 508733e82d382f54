#pragma once

#include "midi/SysExGenerator.h"

#include <array>

namespace xTV200_midi
{
/** Builds the messages an emulated synthesizer sends back, byte for byte. */
class EmulatorReplyBuilder final
{
public:
    static constexpr int familyId = 0x0118;
    static constexpr int replyLength = 15;

    EmulatorReplyBuilder (int channel, int memberId, std::array<juce::uint8, 4> versionBytes) noexcept;

    /** F0 42 50 01 0g nn F-lo F-hi M-lo M-hi v v v v F7, nn echoing the search's index byte. */
    juce::MemoryBlock createDeviceSearchReply (juce::uint8 echoedIndex) const;

    /** F0 7E 0g 06 02 42 F-lo F-hi M-lo M-hi v v v v F7; another maker's id
        in byte 5 when asked to pose as another maker's device.
    */
    juce::MemoryBlock createIdentityReply (bool ofOtherMaker) const;

    /** F0 42 3g 00 F1 F2 function F7: data load completed, data load error and so on. */
    juce::MemoryBlock createShortReply (int function) const;

    const SysExGenerator& getDumpBuilder() const noexcept { return dumps; }

private:
    juce::MemoryBlock createIdAndVersionReply (std::initializer_list<int> start) const;

    int channel;
    int memberId;
    std::array<juce::uint8, 4> version;
    SysExGenerator dumps;
};
} // namespace xTV200_midi
