#include "data/container/SerializedSectionDataReader.h"

#include "data/container/SerializedDataHeaderReader.h"

namespace data
{
SerializedSectionDataReader::SerializedSectionDataReader (const SerializedData& source)
    : stream (source.getBytes(), false)
{
}

bool SerializedSectionDataReader::parse()
{
    const auto start = stream.getPosition();

    SerializedDataHeaderReader header (stream);
    if (header.read() != 0 || ! header.isComplete())
        return false;

    typeId = header.id;
    version1 = header.version1;
    version2 = header.version2;
    version3 = header.version3;
    sections.clear();

    for (juce::int32 i = 0; i < header.count; ++i)
        if (! readSection())
            return false;

    // The next container starts after this one's header and sections, whatever
    // size its header declares.
    stream.setPosition (start + header.headerSize + header.dataSize);
    return true;
}

bool SerializedSectionDataReader::readSection()
{
    const auto sectionStart = stream.getPosition();

    SerializedDataHeaderReader header (stream);
    if (header.read() != 0 || ! header.isComplete() || header.dataSize < 0
        || header.dataSize > stream.getNumBytesRemaining())
        return false;

    Section section;
    section.id = header.id;
    section.version1 = header.version1;
    section.version2 = header.version2;
    section.version3 = header.version3;
    section.data.setSize (static_cast<size_t> (header.dataSize));

    if (stream.read (section.data.getData(), header.dataSize) != header.dataSize)
        return false;

    sections.push_back (std::move (section));
    stream.setPosition (sectionStart + header.headerSize + header.dataSize);
    return true;
}

const SerializedSectionDataReader::Section& SerializedSectionDataReader::getSection (int index) const
{
    jassert (juce::isPositiveAndBelow (index, getNumSections()));
    return sections[static_cast<size_t> (index)];
}
} // namespace data
