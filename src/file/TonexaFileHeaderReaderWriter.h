#pragma once

#include <juce_core/juce_core.h>

#include <array>

namespace xTV200_file
{
/** One 32-byte chunk header of the older editor's library files
    (".XTV200_all"), all numbers little-endian:

    | offset | size | field                                  |
    |--------|------|----------------------------------------|
    | 0      | 9    | magic, ASCII, no terminator            |
    | 9      | 2    | header length, unsigned                |
    | 11     | 4    | data length, signed                    |
    | 21     | 4    | count of contained items, signed       |

    The other bytes are unused. The data of a chunk always starts 32 bytes
    after the chunk start, whatever the header length says.
*/
class TonexaFileHeaderReaderWriter final
{
public:
    static constexpr int headerSize = 32;
    static constexpr int magicLength = 9;

    TonexaFileHeaderReaderWriter() = default;
    virtual ~TonexaFileHeaderReaderWriter() = default;

    /** Reads the header that starts at the stream's position and moves the
        stream to that position + the header length.

        Returns 0, or 1 when the stream does not hold a whole header from its
        position on; then the fields keep their previous values and the stream
        stays where it was.
    */
    int read (juce::InputStream& stream);

    /** True when the magic read is exactly the 9 characters of expected. */
    bool hasMagic (const char* expected) const noexcept;

    int getHeaderLength() const noexcept { return headerLength; }
    juce::int32 getDataLength() const noexcept { return dataLength; }
    juce::int32 getCount() const noexcept { return count; }

private:
    std::array<char, magicLength> magic{};
    int headerLength = 0;
    juce::int32 dataLength = 0;
    juce::int32 count = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TonexaFileHeaderReaderWriter)
};
} // namespace xTV200_file
