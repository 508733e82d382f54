#pragma once

#include "data/SerializedData.h"

#include <juce_core/juce_core.h>

#include <vector>

namespace data
{
/** Parses one container held in a SerializedData into its type id and its
    sections, each with an owned copy of its bytes.
*/
class SerializedSectionDataReader
{
public:
    struct Section
    {
        juce::String id;
        juce::uint16 version1 = 0, version2 = 0, version3 = 0;
        juce::MemoryBlock data;
    };

    explicit SerializedSectionDataReader (const SerializedData& source);
    virtual ~SerializedSectionDataReader() = default;

    /** False when the container is empty, cut inside a section, or a section
        claims a negative size or more bytes than there are.
    */
    bool parse();

    const juce::String& getTypeId() const noexcept { return typeId; }
    int getNumSections() const noexcept { return static_cast<int> (sections.size()); }
    const Section& getSection (int index) const;

    juce::uint16 version1 = 0, version2 = 0, version3 = 0;

private:
    bool readSection();

    juce::MemoryInputStream stream;
    juce::String typeId;
    std::vector<Section> sections;

    JUCE_DECLARE_NON_COPYABLE (SerializedSectionDataReader)
};
} // namespace data
