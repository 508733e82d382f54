#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Groups 13 (pedal and switch), 15 (EQ), 16 (tube) and 17 (CV/gate) of the global data.
namespace xTV200_data::parameter_records
{
inline constexpr int assignableTypeIndex = 1;
inline constexpr int cvGateModeIndex = 0;

// clang-format off
inline constexpr ParameterInfo pedalAndSwitchRecords[] = {
    //  name              short name  qualified  min  max  byte  width  kind   fmt  active when
    rec ("Damper Polarity", "Polarity", "",        0,   1,   0,    w1,    named, 71),
    rec ("Assignable Type", "Type",     "",        0,   1,   1,    w1,    named, 72),
    rec ("Pedal Function",  "Func",     "",        0,   6,   2,    w1,    named, 73,  whenEqual (assignableTypeIndex, 0)),
    rec ("Switch Function", "Func",     "",        0,   10,  3,    w1,    named, 74,  whenEqual (assignableTypeIndex, 1)),
    rec ("Switch Polarity", "Polarity", "",        0,   1,   4,    w1,    named, 71,  whenEqual (assignableTypeIndex, 1)),
    rec ("Switch Mode",     "Mode",     "",        0,   1,   5,    w1,    named, 75,  whenEqual (assignableTypeIndex, 1)),
};

inline constexpr ParameterInfo eqRecords[] = {
    //  name            short name  qualified        min  max  byte  width  kind   fmt
    rec ("Low EQ Freq.",  "Freq.",    "Low EQ Freq.",  0,   33,  0,    w1,    named, 76),
    rec ("High EQ Freq.", "Freq.",    "High EQ Freq.", 0,   25,  2,    w1,    named, 78),
};

inline constexpr ParameterInfo tubeRecords[] = {
    //  name      short name  qualified      min  max  byte  width  kind  fmt
    rec ("Tube SW", "Switch",   "Tube Switch", 0,   1,   0,    w1,    sw,   84),
    rec ("Boost",   "Boost",    "",            0,   1,   1,    w1,    sw,   84),
};

inline constexpr ParameterInfo cvGateRecords[] = {
    //  name            short name       qualified  min  max  byte  width  kind   fmt  active when
    rec ("CVGate Mode",   "Mode",          "",        0,   2,   0,    w1,    named, 80),
    rec ("CV Type",       "CV Type",       "",        0,   2,   1,    w1,    named, 81,  whenEqual (cvGateModeIndex, 2)),
    rec ("CV Range",      "CV Range",      "",        0,   2,   2,    w1,    named, 82,  whenEqual (cvGateModeIndex, 2)),
    rec ("Gate Polarity", "Gate Polarity", "",        0,   1,   3,    w1,    named, 83,  whenEqual (cvGateModeIndex, 2)),
};
// clang-format on

} // namespace xTV200_data::parameter_records
