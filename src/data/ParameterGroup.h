#pragma once

#include "data/ParameterInfo.h"

#include <cstdint>

namespace xTV200_data
{
/** How getParameterInfo() finds a group's records. */
enum class ParameterLookup : std::uint8_t
{
    plain,  ///< the record at the index
    timbre, ///< oscillator controls depend on the oscillator's type
    effect, ///< effect controls depend on the effect's type
    global  ///< global data: read with the plain rule, never from a program
};

/** One group of the parameter map: its records and where its data block lies
    inside the program bytes (program groups) or the global data (global groups). */
struct ParameterGroup
{
    const char* section = "";
    const ParameterInfo* records = nullptr;
    int numRecords = 0;
    std::uint16_t blockOffset = 0;
    std::uint16_t blockSize = 0;
    ParameterLookup lookup = ParameterLookup::plain;

    constexpr bool isGlobal() const noexcept { return lookup == ParameterLookup::global; }
};

constexpr int numParameterGroups = 19;
constexpr int firstGlobalParameterGroup = 9;

/** The group with this number, or nullptr outside 0 to 18. */
const ParameterGroup* getParameterGroup (int group) noexcept;

} // namespace xTV200_data
