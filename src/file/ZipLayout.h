#pragma once

#include <juce_core/juce_core.h>

namespace file
{
/** The numbers of the zip layout that the builder writes and the uncompressor
    accepts: record signatures and sizes, the fixed versions and the fixed
    modification stamp. All integers in an archive are little-endian.
*/
struct ZipLayout final
{
    static constexpr juce::uint32 localHeaderSignature = 0x04034B50;
    static constexpr juce::uint32 centralHeaderSignature = 0x02014B50;
    static constexpr juce::uint32 endRecordSignature = 0x06054B50;

    static constexpr int localHeaderSize = 30;
    static constexpr int centralHeaderSize = 46;
    static constexpr int endRecordSize = 22;

    static constexpr juce::uint16 versionNeeded = 10;
    static constexpr juce::uint16 versionMadeBy = 20;

    static constexpr juce::uint16 methodStored = 0;
    static constexpr juce::uint16 methodDeflate = 8;
    static constexpr juce::uint16 encryptedFlag = 1;

    // Every entry of every archive carries the same stamp, local time
    // 2013-01-01 00:00:00, so that writing the same library twice gives the
    // same bytes.
    static constexpr juce::uint16 fixedTime = 0x0000;
    static constexpr juce::uint16 fixedDate = 0x4221;

    // The largest values the 16- and 32-bit fields can hold; there are no
    // zip64 records.
    static constexpr juce::uint32 maxFieldValue16 = 0xFFFF;
    static constexpr juce::uint64 maxFieldValue32 = 0xFFFFFFFF;
};
} // namespace file
