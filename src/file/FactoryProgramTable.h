#pragma once

#include "file/FactorySoundStyle.h"

#include <array>

namespace xTV200_file
{
/** One program of the factory preset bundle as it is planned: its name, the
    value of its Category parameter (0 Synth ... 8 User) and the style of sound
    it is made from. */
struct FactoryProgramEntry
{
    const char* name;
    int category;
    FactorySoundStyle style;
};

/** The 300 factory programs in bundle order, grouped by category. */
const std::array<FactoryProgramEntry, 300>& getFactoryProgramEntries() noexcept;

} // namespace xTV200_file
