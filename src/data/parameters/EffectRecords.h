#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Group 6 (effects) and the records of the effect controls, chosen by the type
// of their effect. Unlike the oscillator controls these carry their own bytes.
namespace xTV200_data::parameter_records
{
// clang-format off
inline constexpr ParameterInfo effectRecords[] = {
    //  name     short name  qualified          min  max  byte  width  kind   fmt
    rec ("Type",  "Type",     "PreFX Type",      0,   5,   0,    w1,    named, 42),
    rec ("SW",    "SW",       "PreFX SW",        0,   3,   1,    w1,    named, 41),
    rec ("Drive", "Drive",    "PreFX Drive",     0,   127, 2,    w1,    num,   4),
    rec ("Type",  "Type",     "ModFX Type",      0,   5,   3,    w1,    named, 43),
    rec ("SW",    "SW",       "ModFX SW",        0,   3,   4,    w1,    named, 41),
    rec ("Depth", "Depth",    "ModFX Depth",     0,   127, 5,    w1,    num,   4),
    rec ("Speed", "Speed",    "ModFX Speed",     0,   127, 6,    w1,    num,   4),
    rec ("Type",  "Type",     "Rev/Delay Type",  0,   5,   7,    w1,    named, 44),
    rec ("SW",    "SW",       "Rev/Delay SW",    0,   3,   8,    w1,    named, 41),
    rec ("Depth", "Depth",    "Rev/Delay Depth", 0,   127, 9,    w1,    num,   4),
    rec ("Time",  "Time",     "Rev/Delay Time",  0,   127, 10,   w1,    num,   4),
};

// The PreFX control (index 2), by PreFX Type 0...5.
inline constexpr ParameterInfo preFxControlRecords[] = {
    //  name         short name  qualified     min  max  byte  width  kind  fmt     type
    rec ("Drive",     "Drive",    "PreFX Drive", 0,   127, 2,    w1,    num,  4),  // 0
    rec ("Frequency", "Freq",     "PreFX Freq",  0,   127, 2,    w1,    num,  4),  // 1
    rec ("Frequency", "Freq",     "PreFX Freq",  0,   127, 2,    w1,    num,  4),  // 2
    rec ("Drive",     "Drive",    "PreFX Drive", 0,   127, 2,    w1,    num,  4),  // 3
    rec ("Drive",     "Drive",    "PreFX Drive", 0,   127, 2,    w1,    num,  4),  // 4
    rec ("Drive",     "Drive",    "PreFX Drive", 0,   127, 2,    w1,    num,  45), // 5
};

// The ModFX controls (indexes 5 and 6), by ModFX Type 0...5.
inline constexpr ControlRecordPair modFxControlRecords[] = {
    //    first (index 5)                                                  second (index 6)                                                type
    /* 0 */ { rec ("Depth", "Depth", "ModFX Depth", 0, 127, 5, w1, num, 4), rec ("Speed", "Speed", "ModFX Speed", 0, 127, 6, w1, num, 4) },
    /* 1 */ { rec ("Depth", "Depth", "ModFX Depth", 0, 127, 5, w1, num, 4), rec ("Speed", "Speed", "ModFX Speed", 0, 127, 6, w1, num, 4) },
    /* 2 */ { rec ("Depth", "Depth", "ModFX Depth", 0, 127, 5, w1, num, 4), rec ("Speed", "Speed", "ModFX Speed", 0, 127, 6, w1, num, 4) },
    /* 3 */ { rec ("Depth", "Depth", "ModFX Depth", 0, 127, 5, w1, num, 4), rec ("Speed", "Speed", "ModFX Speed", 0, 127, 6, w1, num, 4) },
    /* 4 */ { rec ("Depth", "Depth", "ModFX Depth", 0, 127, 5, w1, num, 4), rec ("Speed", "Speed", "ModFX Speed", 0, 127, 6, w1, num, 4) },
    /* 5 */ { rec ("Depth", "Depth", "ModFX Depth", 0, 127, 5, w1, num, 4), rec ("Speed", "Speed", "ModFX Speed", 0, 127, 6, w1, num, 4) },
};

// The Rev/Delay controls (indexes 9 and 10), by Rev/Delay Type 0...5.
inline constexpr ControlRecordPair revDelayControlRecords[] = {
    //    first (index 9)                                                          second (index 10)                                                     type
    /* 0 */ { rec ("Depth", "Depth", "Rev/Delay Depth", 0, 127, 9, w1, num, 4), rec ("Time", "Time", "Rev/Delay Time", 0, 127, 10, w1, num, 4) },
    /* 1 */ { rec ("Depth", "Depth", "Rev/Delay Depth", 0, 127, 9, w1, num, 4), rec ("Time", "Time", "Rev/Delay Time", 0, 127, 10, w1, num, 4) },
    /* 2 */ { rec ("Depth", "Depth", "Rev/Delay Depth", 0, 127, 9, w1, num, 4), rec ("Time", "Time", "Rev/Delay Time", 0, 127, 10, w1, num, 4) },
    /* 3 */ { rec ("Depth", "Depth", "Rev/Delay Depth", 0, 127, 9, w1, num, 4), rec ("Time", "Time", "Rev/Delay Time", 0, 127, 10, w1, num, 4) },
    /* 4 */ { rec ("Depth", "Depth", "Rev/Delay Depth", 0, 127, 9, w1, num, 4), rec ("Time", "Time", "Rev/Delay Time", 0, 127, 10, w1, num, 46) },
    /* 5 */ { rec ("Depth", "Depth", "Rev/Delay Depth", 0, 127, 9, w1, num, 4), rec ("Time", "Time", "Rev/Delay Time", 0, 127, 10, w1, num, 46) },
};
// clang-format on

inline constexpr int numEffectTypes = 6;

} // namespace xTV200_data::parameter_records
