#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Groups 9 (system), 10 (placeholder) and 11 (MIDI) of the global data.
namespace xTV200_data::parameter_records
{
inline constexpr int powerSaveModeIndex = 14;

// clang-format off
inline constexpr ParameterInfo systemRecords[] = {
    //  name               short name   qualified  min   max  byte  width    kind     fmt  active when
    rec ("Master Tune",     "Mst.Tune",  "",        -100, 100, 0,    w1s,     namedPm, 56),
    rec ("Transpose",       "Transpose", "",        -12,  12,  1,    w1s,     numPm,   9),
    rec ("Position",        "Position",  "",        0,    1,   2,    w1,      named,   57),
    rec ("Velocity Curve",  "VelCurve",  "",        0,    8,   3,    w1,      named,   58),
    rec ("Scale",           "Scale",     "",        0,    9,   4,    w1,      named,   59),
    rec ("Scale Key",       "ScaleKey",  "",        0,    11,  5,    w1,      named,   60),
    rec ("Brightness(Main)", "Main",     "",        1,    10,  8,    w1,      num,     8),
    rec ("Brightness(Osc)", "Osc",       "",        1,    10,  9,    w1,      num,     8),
    rec ("Brightness(Flt)", "Flt",       "",        1,    10,  10,   w1,      num,     8),
    rec ("Page Jump",       "Page Jump", "",        0,    1,   11,   w1,      sw,      84),
    rec ("Knob Mode",       "Mode",      "",        0,    2,   12,   w1,      named,   61),
    rec ("Auto Power Off",  "AutoPOff",  "",        0,    1,   13,   w1,      named,   62),
    rec ("Memory Protect",  "Protect",   "",        0,    1,   14,   bit (0), sw,      84),
    rec ("Illuminate Mode", "IllumMode", "",        0,    8,   15,   w1,      named,   65),
    rec ("Power Save Mode", "Mode",      "",        0,    2,   6,    w1,      named,   63),
    rec ("Power Save Time", "Time",      "",        0,    3,   7,    w1,      named,   64,  whenNotEqual (powerSaveModeIndex, 0)),
};

inline constexpr ParameterInfo placeholderRecords[] = {
    //  name     short name  qualified  min  max  byte  width  kind  fmt
    rec ("Dummy", "Dummy",    "",        0,   0,   0,    w1,    num,  4),
};

inline constexpr ParameterInfo midiRecords[] = {
    //  name                short name      qualified  min  max  byte  width    kind   fmt
    rec ("Global Channel",   "Global Ch",    "",        0,   15,  0,    w1,      num,   66),
    rec ("Local Control",    "LocalControl", "",        0,   1,   1,    w1,      sw,    84),
    rec ("MIDI Routing",     "Routing",      "",        0,   2,   2,    w1,      named, 67),
    rec ("Clock",            "Clock",        "",        0,   3,   3,    w1,      named, 68),
    rec ("MIDI1 Ctrl Src",   "MIDI1",        "",        0,   120, 4,    w1,      named, 69),
    rec ("MIDI2 Ctrl Src",   "MIDI2",        "",        0,   120, 5,    w1,      named, 69),
    rec ("MIDI3 Ctrl Src",   "MIDI3",        "",        0,   120, 6,    w1,      named, 69),
    rec ("Program Change",   "ProgChg",      "",        0,   1,   7,    bit (0), named, 19),
    rec ("Bank Change",      "BankChg",      "",        0,   1,   8,    bit (0), named, 19),
    rec ("Control Change",   "CtrlChg",      "",        0,   1,   9,    bit (0), named, 19),
    rec ("Pitch Bend",       "P.Bend",       "",        0,   1,   10,   bit (0), named, 19),
    rec ("System Exclusive", "SysEx",        "",        0,   1,   11,   bit (0), named, 19),
};
// clang-format on

} // namespace xTV200_data::parameter_records
