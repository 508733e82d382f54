#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Group 14 (user key tuning) of the global data: record i at byte i, -99...99 cents.
namespace xTV200_data::parameter_records
{
constexpr ParameterInfo keyTune (const char* name, const char* shortName, int byteOffset)
{
    return rec (name, shortName, "", -99, 99, byteOffset, w1s, numPm, 14);
}

// clang-format off
inline constexpr ParameterInfo userKeyTuningRecords[] = {
    //      name      short name  byte
    keyTune ("Key C",  "C",        0),
    keyTune ("Key C#", "C#",       1),
    keyTune ("Key D",  "D",        2),
    keyTune ("Key D#", "D#",       3),
    keyTune ("Key E",  "E",        4),
    keyTune ("Key F",  "F",        5),
    keyTune ("Key F#", "F#",       6),
    keyTune ("Key G",  "G",        7),
    keyTune ("Key G#", "G#",       8),
    keyTune ("Key A",  "A",        9),
    keyTune ("Key A#", "A#",       10),
    keyTune ("Key B",  "B",        11),
};
// clang-format on

} // namespace xTV200_data::parameter_records
