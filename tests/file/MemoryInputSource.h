#pragma once

#include <juce_core/juce_core.h>

namespace test
{
/** An input source over bytes held in memory, so that archives made in a test
    can be opened without writing them to disk. */
class MemoryInputSource final : public juce::InputSource
{
public:
    explicit MemoryInputSource (juce::MemoryBlock bytesToServe)
        : bytes (std::move (bytesToServe))
    {
    }

    juce::InputStream* createInputStream() override { return new juce::MemoryInputStream (bytes, false); }
    juce::InputStream* createInputStreamFor (const juce::String&) override { return nullptr; }
    juce::int64 hashCode() const override { return static_cast<juce::int64> (bytes.getSize()); }

private:
    const juce::MemoryBlock bytes;
};
} // namespace test
