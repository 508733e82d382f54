#pragma once

#include <juce_core/juce_core.h>

namespace data
{
/** A block of bytes holding one serialized container; copied by value. */
class SerializedData
{
public:
    SerializedData() = default;
    explicit SerializedData (juce::MemoryBlock content) : bytes (std::move (content)) {}
    virtual ~SerializedData() = default;

    SerializedData (const SerializedData&) = default;
    SerializedData& operator= (const SerializedData&) = default;

    juce::MemoryBlock& getBytes() noexcept { return bytes; }
    const juce::MemoryBlock& getBytes() const noexcept { return bytes; }

private:
    juce::MemoryBlock bytes;
};
} // namespace data
