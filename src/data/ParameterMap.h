#pragma once

#include "data/DataBlock.h"
#include "data/ParameterId.h"
#include "data/ParameterInfo.h"

#include <juce_core/juce_core.h>

#include <cstdint>

namespace xTV200_data
{
/** Fills out with the record of a program parameter (groups 0 to 8).

    In the timbre groups the oscillator controls, and in the effects group the
    effect controls, depend on the type that programBytes holds. Returns false
    for an unknown group or index, for a global group, or when that type has no
    record (an oscillator type above 127, an effect type above 5); out is then
    left unchanged.
*/
bool getParameterInfo (ParameterId id, DataBlock programBytes, ParameterInfo& out) noexcept;

/** Fills out with the record of a global parameter (groups 9 to 18), which
    never depends on the data. Returns false for any other group or an unknown index. */
bool getGlobalParameterInfo (ParameterId id, ParameterInfo& out) noexcept;

/** The raw value of a program parameter; 0 when getParameterInfo() fails. */
std::int16_t getParameterValue (ParameterId id, DataBlock programBytes) noexcept;

/** The raw value of a global parameter (groups 9 to 18); 0 for any other id. */
std::int16_t getGlobalParameterValue (ParameterId id, DataBlock globalBytes) noexcept;

/** Reads a record's value from a data block (the program bytes for groups 0 to
    8, the global data for groups 9 to 18), using the block offset of id's group.

    A value that does not lie wholly inside its group's block, or inside the
    bytes given, reads as 0.
*/
std::int16_t readParameterValue (ParameterId id, const ParameterInfo& info, DataBlock bytes) noexcept;

/** The text the synthesizer shows for a raw value: the value is clamped to the
    record's range, transformed and named by the record's formatter. A formatter
    number outside the table gives an empty text.
*/
juce::String getParameterValueText (const ParameterInfo& info, int value);

/** 0 for analogue oscillator types (1 to 32), 1 for DWGS waves (33 to 96),
    2 for PCM waves (97 to 126), 3 for the audio input (127), -1 otherwise. */
int getOscillatorTypeCategory (int value) noexcept;

/** True when the record's activeWhen condition holds on the same data block. */
bool isParameterActive (ParameterId id, const ParameterInfo& info, DataBlock bytes) noexcept;

} // namespace xTV200_data
