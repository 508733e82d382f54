#pragma once

#include <juce_core/juce_core.h>

namespace data
{
/** Writes one 32-byte header of a serialized container (the container's own
    or a section's), little-endian:

    bytes 0-7 id (cut to 8 or padded with 0), 8-9 headerSize (always 32),
    10-13 dataSize, 14-19 three versions, 20-23 count, 24-27 reserved,
    28-31 FF FF FF FF.
*/
class SerializedDataHeaderWriter
{
public:
    static constexpr int headerSize = 32;
    static constexpr int idLength = 8;

    explicit SerializedDataHeaderWriter (juce::OutputStream& target) : stream (&target) {}
    virtual ~SerializedDataHeaderWriter() = default;

    void write();

    juce::String id;
    juce::int32 dataSize = 0;
    juce::uint16 version1 = 0, version2 = 0, version3 = 0;
    juce::int32 count = 0;
    juce::int32 reserved = 0;

private:
    juce::OutputStream* stream;
};
} // namespace data
