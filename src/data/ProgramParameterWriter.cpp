#include "data/ProgramParameterWriter.h"

#include "data/ParameterGroup.h"
#include "data/ParameterMap.h"

#include <cstdint>

namespace xTV200_data
{
namespace
{
// The words of this map are one or two bytes; the read side refuses longer ones too.
constexpr int maximumByteCount = 2;

bool isWritable (const ParameterInfo& info, int value) noexcept
{
    return info.byteCount > 0 && info.byteCount <= maximumByteCount && info.bitCount > 0
           && info.bitPosition + info.bitCount <= info.byteCount * 8 && value >= info.minimum
           && value <= info.maximum;
}
} // namespace

bool writeProgramParameterValue (ProgramData& program, ParameterId id, int value)
{
    ParameterInfo info;

    if (! getParameterInfo (id, DataBlock (program.getBytes(), ProgramData::numBytes), info)
        || ! isWritable (info, value))
        return false;

    const auto* group = getParameterGroup (id.group);
    const auto firstByte = group->blockOffset + info.byteOffset;

    if (info.byteOffset + info.byteCount > group->blockSize || firstByte + info.byteCount > ProgramData::numBytes)
        return false;

    // Bytes form a little-endian word; bit positions count from its most significant bit.
    std::uint32_t word = 0;

    for (int i = 0; i < info.byteCount; ++i)
        word |= static_cast<std::uint32_t> (program.getByte (firstByte + i)) << (8 * i);

    const auto shift = info.byteCount * 8 - info.bitPosition - info.bitCount;
    const auto mask = ((std::uint32_t {1} << info.bitCount) - 1) << shift;
    const auto bits = (static_cast<std::uint32_t> (value) << shift) & mask;
    word = (word & ~mask) | bits;

    for (int i = 0; i < info.byteCount; ++i)
        program.setByte (firstByte + i, static_cast<juce::uint8> ((word >> (8 * i)) & 0xffu));

    return true;
}

} // namespace xTV200_data
