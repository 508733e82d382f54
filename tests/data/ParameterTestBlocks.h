#pragma once

#include "data/DataBlock.h"
#include "data/ParameterGroup.h"
#include "data/ProgramData.h"

#include <array>
#include <cstdint>

namespace test
{
/** Program bytes that start as the initial program; set() writes a byte at an
    offset inside a group's block, as the parameter tables count them. */
struct TestProgramBytes
{
    TestProgramBytes()
        : bytes (xTV200_data::ProgramData::getInitialBytes())
    {
    }

    void set (int group, int byteInGroup, std::uint8_t value)
    {
        bytes.at (static_cast<std::size_t> (xTV200_data::getParameterGroup (group)->blockOffset +
                                            byteInGroup)) = value;
    }

    xTV200_data::DataBlock block() const { return {bytes.data(), bytes.size()}; }

    std::array<std::uint8_t, xTV200_data::ProgramData::numBytes> bytes;
};

/** A global data block of 224 zero bytes. */
struct TestGlobalBytes
{
    void set (int group, int byteInGroup, std::uint8_t value)
    {
        bytes.at (static_cast<std::size_t> (xTV200_data::getParameterGroup (group)->blockOffset +
                                            byteInGroup)) = value;
    }

    xTV200_data::DataBlock block() const { return {bytes.data(), bytes.size()}; }

    std::array<std::uint8_t, 224> bytes{};
};

} // namespace test
