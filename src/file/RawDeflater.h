#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace file
{
/** Compresses blocks of bytes one after another into independent raw deflate
    streams (no zlib or gzip wrapper), reusing one set of compression tables.

    Setting zlib up for every small block costs far more than compressing it,
    so one deflater serves all the entries of an archive; each block is still a
    complete stream of its own.
*/
class RawDeflater final
{
public:
    RawDeflater();
    ~RawDeflater();

    /** Appends the raw deflate stream of the numBytes at data, compressed at
        level (clamped to 1 to 9), to target. Returns false when zlib fails or
        the block is too large for it.
    */
    bool compress (const void* data, size_t numBytes, int level, juce::MemoryOutputStream& target);

private:
    bool prepare (int level);

    struct State;
    std::unique_ptr<State> state;

    // No leak detector: RawDeflaterPool keeps deflaters until the process
    // ends, after the detector's own count has gone.
    JUCE_DECLARE_NON_COPYABLE (RawDeflater)
};
} // namespace file
