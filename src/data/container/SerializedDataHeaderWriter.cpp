#include "data/container/SerializedDataHeaderWriter.h"

namespace data
{
void SerializedDataHeaderWriter::write()
{
    const auto start = stream->getPosition();

    char idBytes[idLength] = {};
    const auto utf8 = id.toRawUTF8();
    std::memcpy (idBytes, utf8, juce::jmin (std::strlen (utf8), sizeof (idBytes)));
    stream->write (idBytes, sizeof (idBytes));

    stream->writeShort (static_cast<short> (headerSize));
    stream->writeInt (dataSize);
    stream->writeShort (static_cast<short> (version1));
    stream->writeShort (static_cast<short> (version2));
    stream->writeShort (static_cast<short> (version3));
    stream->writeInt (count);
    stream->writeInt (reserved);

    while (stream->getPosition() < start + headerSize)
        stream->writeByte (static_cast<char> (0xFF));
}
} // namespace data
