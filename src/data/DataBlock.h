#pragma once

#include <cstddef>
#include <cstdint>

namespace xTV200_data
{
/** A read-only view of a block of parameter bytes: a program's bytes or the
    global data block. The parameter map never reads outside [bytes, bytes + size),
    so a short or missing block reads as values of 0.
*/
struct DataBlock
{
    constexpr DataBlock() noexcept = default;

    constexpr DataBlock (const std::uint8_t* firstByte, std::size_t numBytes) noexcept
        : bytes (firstByte)
        , size (firstByte != nullptr ? numBytes : 0)
    {
    }

    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
};

} // namespace xTV200_data
