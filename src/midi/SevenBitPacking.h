#pragma once

#include <juce_core/juce_core.h>

namespace midi
{
/** Carries 8-bit data inside SysEx messages, whose data bytes hold only 7 bits.

    The data is sent in groups of up to seven bytes. Each group is preceded by
    one byte whose bit k holds bit 7 of the group's k-th byte; the group's bytes
    follow with their top bit cleared.
*/
class SevenBitPacking final
{
public:
    SevenBitPacking() = delete;

    /** The number of packed bytes that numDataBytes data bytes become:
        8 for every whole group of seven, plus (rest + 1) for a last, shorter group.
    */
    static size_t getPackedSize (size_t numDataBytes) noexcept;

    /** Appends the packed form of numDataBytes bytes to destination. */
    static void pack (const juce::uint8* data, size_t numDataBytes, juce::MemoryBlock& destination);

    /** Replaces destination with exactly numDataBytes unpacked bytes.

        Returns false, and leaves destination empty, when fewer than
        getPackedSize (numDataBytes) packed bytes are given; bytes beyond that
        size are ignored. The top bit of every packed byte is ignored, so a
        damaged byte never sets bits that its group byte does not.
    */
    static bool unpack (const juce::uint8* packed, size_t numPackedBytes, size_t numDataBytes,
                        juce::MemoryBlock& destination);
};
} // namespace midi
