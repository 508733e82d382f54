#include "file/RawDeflater.h"

#include <zlib.h>

#include <limits>
#include <vector>

namespace file
{
namespace
{
// Negative window bits ask zlib for raw deflate data, as zip entries hold it.
constexpr int rawWindowBits = -MAX_WBITS;
constexpr int memoryLevel = 8;
} // namespace

struct RawDeflater::State
{
    z_stream stream {};
    std::vector<Bytef> output;
    int level = 0; // 0 until zlib is set up
    bool used = false;
};

RawDeflater::RawDeflater() : state (std::make_unique<State>()) {}

RawDeflater::~RawDeflater()
{
    if (state->level != 0)
        deflateEnd (&state->stream);
}

bool RawDeflater::prepare (int level)
{
    auto& stream = state->stream;

    if (state->level == level)
    {
        // A reset clears the tables but keeps their memory, which is what
        // makes many small streams cheap.
        if (state->used && deflateReset (&stream) != Z_OK)
            return false;

        state->used = true;
        return true;
    }

    if (state->level != 0)
        deflateEnd (&stream);

    stream = z_stream {};
    state->level = 0;
    state->used = true;

    if (deflateInit2 (&stream, level, Z_DEFLATED, rawWindowBits, memoryLevel, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;

    state->level = level;
    return true;
}

bool RawDeflater::compress (const void* data, size_t numBytes, int level, juce::MemoryOutputStream& target)
{
    if (numBytes > std::numeric_limits<uInt>::max() || ! prepare (juce::jlimit (1, 9, level)))
        return false;

    auto& stream = state->stream;
    const auto bound = deflateBound (&stream, static_cast<uLong> (numBytes));

    if (bound > std::numeric_limits<uInt>::max())
        return false;

    // The bound is room for the whole stream, so one call with Z_FINISH ends it.
    auto& output = state->output;
    output.resize (static_cast<size_t> (bound));
    stream.next_in = const_cast<Bytef*> (static_cast<const Bytef*> (data));
    stream.avail_in = static_cast<uInt> (numBytes);
    stream.next_out = output.data();
    stream.avail_out = static_cast<uInt> (bound);

    if (deflate (&stream, Z_FINISH) != Z_STREAM_END)
        return false;

    return target.write (output.data(), static_cast<size_t> (bound - stream.avail_out));
}
} // namespace file
