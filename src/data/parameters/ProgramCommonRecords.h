#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Groups 0 (program common) and 1 (keyboard).
namespace xTV200_data::parameter_records
{
// clang-format off
inline constexpr ParameterInfo programCommonRecords[] = {
    //  name              short name   qualified  min  max  byte  width  kind   fmt  active when
    rec ("Program Name 1",  "",          "",        32,  125,  0,    w1,    chr,   18),
    rec ("Program Name 2",  "",          "",        32,  125,  1,    w1,    chr,   18),
    rec ("Program Name 3",  "",          "",        32,  125,  2,    w1,    chr,   18),
    rec ("Program Name 4",  "",          "",        32,  125,  3,    w1,    chr,   18),
    rec ("Program Name 5",  "",          "",        32,  125,  4,    w1,    chr,   18),
    rec ("Program Name 6",  "",          "",        32,  125,  5,    w1,    chr,   18),
    rec ("Program Name 7",  "",          "",        32,  125,  6,    w1,    chr,   18),
    rec ("Program Name 8",  "",          "",        32,  125,  7,    w1,    chr,   18),
    rec ("Program Name 9",  "",          "",        32,  125,  8,    w1,    chr,   18),
    rec ("Program Name 10", "",          "",        32,  125,  9,    w1,    chr,   18),
    rec ("Program Name 11", "",          "",        32,  125,  10,   w1,    chr,   18),
    rec ("Program Name 12", "",          "",        32,  125,  11,   w1,    chr,   18),
    rec ("Category",        "Category",  "",        0,   8,    12,   w1,    named, 20),
    rec ("Voice Mode",      "VoiceMode", "",        0,   2,    13,   w1,    named, 21),
    rec ("Timb.B MIDI Ch",  "Timb B Ch", "",        0,   16,   14,   w1,    named, 22,  whenNotEqual (13, 0)), // Voice Mode != 0
    rec ("Split Key",       "Split Key", "",        0,   127,  15,   w1,    named, 23,  whenEqual (13, 2)),    // Voice Mode = 2
};

inline constexpr ParameterInfo keyboardRecords[] = {
    //  name                 short name     qualified  min  max  byte  width  kind   fmt
    rec ("Keyboard Response", "KeyResponse", "",        0,   2,   0,    w1,    named, 24),
};
// clang-format on

} // namespace xTV200_data::parameter_records
