#pragma once

#include "data/DataBlock.h"
#include "data/ParameterId.h"
#include "data/ParameterInfo.h"

#include <juce_core/juce_core.h>

#include <vector>

namespace xTV200_data
{
/** One parameter as a listing shows it. */
struct ParameterListEntry
{
    ParameterId id;

    /** The record the value was read with. When hasRecord is false the data
        selects no record (an oscillator or effect type out of range); info is
        then the group's plain record, the value 0 and the text empty. */
    ParameterInfo info;
    bool hasRecord = false;

    std::int16_t value = 0;
    juce::String text;
    bool active = false;
};

/** Every parameter of a program (groups 0 to 8), in group and index order. */
std::vector<ParameterListEntry> listProgramParameters (DataBlock programBytes);

/** Every parameter of a global data block (groups 9 to 18), in group and index order. */
std::vector<ParameterListEntry> listGlobalParameters (DataBlock globalBytes);

} // namespace xTV200_data
