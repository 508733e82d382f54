#pragma once

#include <juce_core/juce_core.h>

namespace data
{
/** Reads one header of a serialized container; see SerializedDataHeaderWriter
    for the layout.
*/
class SerializedDataHeaderReader
{
public:
    explicit SerializedDataHeaderReader (juce::InputStream& source) : stream (&source) {}
    virtual ~SerializedDataHeaderReader() = default;

    /** Returns 0 when a header was read, 1 when not a single byte was there.

        Fields that lie beyond the end of the data read as 0. Afterwards the
        stream stands headerSize bytes after where the header began, so that
        header bytes this reader does not know are skipped.
    */
    int read();

    /** True when the last header read was whole: headerSize covers at least
        the 32 bytes of known fields and that many bytes were there. A header
        cut short reads its missing fields as 0, which must not pass for an
        empty container.
    */
    bool isComplete() const noexcept { return complete; }

    juce::String id;
    juce::uint16 headerSize = 0;
    juce::int32 dataSize = 0;
    juce::uint16 version1 = 0, version2 = 0, version3 = 0;
    juce::int32 count = 0;
    juce::int32 reserved = 0;

private:
    juce::InputStream* stream;
    bool complete = false;
};
} // namespace data
