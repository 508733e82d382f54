#include "data/container/SerializedSectionDataWriter.h"

#include "data/container/SerializedDataHeaderWriter.h"

namespace data
{
SerializedSectionDataWriter::SerializedSectionDataWriter (SerializedData& targetData)
    : stream (targetData.getBytes(), true), startPosition (stream.getPosition())
{
    for (int i = 0; i < SerializedDataHeaderWriter::headerSize; ++i)
        stream.writeByte (static_cast<char> (0xFF));
}

void SerializedSectionDataWriter::addSection (const juce::String& id, const void* data, size_t size)
{
    SerializedDataHeaderWriter header (stream);
    header.id = id;
    header.dataSize = static_cast<juce::int32> (size);
    header.count = 1;
    header.write();
    stream.write (data, size);

    sectionCount += 1;
    totalSize += SerializedDataHeaderWriter::headerSize + static_cast<juce::int32> (size);
}

void SerializedSectionDataWriter::addSection (const juce::String& id, const juce::MemoryBlock& data)
{
    addSection (id, data.getData(), data.getSize());
}

void SerializedSectionDataWriter::finish (const juce::String& typeId)
{
    const auto endPosition = stream.getPosition();
    stream.setPosition (startPosition);

    SerializedDataHeaderWriter header (stream);
    header.id = typeId;
    header.dataSize = totalSize;
    header.count = sectionCount;
    header.write();

    stream.setPosition (endPosition);
    stream.flush();
}
} // namespace data
