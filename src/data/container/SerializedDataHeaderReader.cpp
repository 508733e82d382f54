#include "data/container/SerializedDataHeaderReader.h"

#include "data/container/SerializedDataHeaderWriter.h"

namespace data
{
namespace
{
template <typename Value>
Value readLittleEndian (juce::InputStream& stream)
{
    juce::uint8 raw[sizeof (Value)] = {};
    stream.read (raw, sizeof (raw));

    juce::uint32 value = 0;
    for (size_t i = 0; i < sizeof (raw); ++i)
        value |= juce::uint32 { raw[i] } << (8 * i);

    return static_cast<Value> (value);
}
/** The text up to the first 0 byte. Bytes that are not UTF-8 give their hex
    digits, which no known id can equal.
*/
juce::String decodeId (const char* bytes, size_t size)
{
    const auto length = static_cast<int> (std::find (bytes, bytes + size, '\0') - bytes);

    if (juce::CharPointer_UTF8::isValidString (bytes, length))
        return juce::String::fromUTF8 (bytes, length);

    return juce::String::toHexString (bytes, length, 0);
}
} // namespace

int SerializedDataHeaderReader::read()
{
    const auto start = stream->getPosition();
    complete = false;

    char idBytes[8] = {};
    if (stream->read (idBytes, sizeof (idBytes)) <= 0)
        return 1;

    id = decodeId (idBytes, sizeof (idBytes));
    headerSize = readLittleEndian<juce::uint16> (*stream);
    dataSize = readLittleEndian<juce::int32> (*stream);
    version1 = readLittleEndian<juce::uint16> (*stream);
    version2 = readLittleEndian<juce::uint16> (*stream);
    version3 = readLittleEndian<juce::uint16> (*stream);
    count = readLittleEndian<juce::int32> (*stream);
    reserved = readLittleEndian<juce::int32> (*stream);

    const auto totalLength = stream->getTotalLength();
    complete = headerSize >= SerializedDataHeaderWriter::headerSize
               && (totalLength < 0 || start + headerSize <= totalLength);

    stream->setPosition (start + headerSize);
    return 0;
}
} // namespace data
