#pragma once

#include "data/SerializedData.h"

#include <juce_core/juce_core.h>

namespace data
{
/** Builds one container into a SerializedData: a header naming the content's
    type and counting its sections, then each section's header and bytes.

    The container header is written as a placeholder at construction and
    filled in by finish(), once the sizes are known.
*/
class SerializedSectionDataWriter
{
public:
    /** Appends the container to target's bytes. */
    explicit SerializedSectionDataWriter (SerializedData& target);
    virtual ~SerializedSectionDataWriter() = default;

    void addSection (const juce::String& id, const void* data, size_t size);
    void addSection (const juce::String& id, const juce::MemoryBlock& data);

    /** Writes the container header; the bytes are complete afterwards. */
    void finish (const juce::String& typeId);

private:
    juce::MemoryOutputStream stream;
    juce::int64 startPosition = 0;
    juce::int32 totalSize = 0;
    juce::int32 sectionCount = 0;

    JUCE_DECLARE_NON_COPYABLE (SerializedSectionDataWriter)
};
} // namespace data
