#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Group 7 (vocoder). Everything but the switch itself means something only
// while the vocoder is switched on.
namespace xTV200_data::parameter_records
{
inline constexpr int vocoderSwIndex = 0;
inline constexpr ParameterCondition whenVocoderOn = whenNotEqual (vocoderSwIndex, 0);

// clang-format off
inline constexpr ParameterInfo vocoderRecords[] = {
    //  name                        short name       qualified  min   max    byte  width  kind   fmt  active when
    rec ("SW",                       "Vocoder SW",    "",        0,    1,     0,    w1,    sw,    84),
    rec ("Timbre A Level",           "Timb A Level",  "",        0,    127,   1,    w1,    num,   4,   whenVocoderOn),
    rec ("Timbre B Level",           "Timb B Level",  "",        0,    127,   2,    w1,    num,   4,   whenVocoderOn),
    rec ("Audio Source",             "AudioSrc",      "",        0,    1,     3,    w1,    named, 47,  whenVocoderOn),
    rec ("Gate Sens",                "Gate Sens",     "",        0,    127,   4,    w1,    num,   4,   whenVocoderOn),
    rec ("Threshold",                "Threshold",     "",        0,    127,   5,    w1,    num,   4,   whenVocoderOn),
    rec ("HPF Level",                "HPF Level",     "",        0,    127,   6,    w1,    num,   4,   whenVocoderOn),
    rec ("HPF Gate",                 "HPF Gate",      "",        0,    1,     7,    w1,    named, 48,  whenVocoderOn),
    rec ("Formant Shift",            "Formant Shift", "",        0,    4,     8,    w1,    num,   15,  whenVocoderOn),
    rec ("Fc Offset",                "Offset",        "",        -63,  63,    9,    w1s,   numPm, 13,  whenVocoderOn),
    rec ("Resonance",                "Resonance",     "",        0,    127,   10,   w1,    num,   4,   whenVocoderOn),
    rec ("Fc Mod.Source",            "ModSrc",        "",        0,    11,    11,   w1,    named, 49,  whenVocoderOn),
    rec ("Fc Mod.Int.",              "ModInt",        "",        -63,  63,    12,   w1s,   numPm, 13,  whenVocoderOn),
    rec ("E.F. Sens",                "E.F.Sens",      "",        0,    127,   13,   w1,    named, 50,  whenVocoderOn),
    rec ("Formant Hold Data Band1",  "",              "",        0,    32767, 16,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band2",  "",              "",        0,    32767, 18,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band3",  "",              "",        0,    32767, 20,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band4",  "",              "",        0,    32767, 22,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band5",  "",              "",        0,    32767, 24,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band6",  "",              "",        0,    32767, 26,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band7",  "",              "",        0,    32767, 28,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band8",  "",              "",        0,    32767, 30,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band9",  "",              "",        0,    32767, 32,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band10", "",              "",        0,    32767, 34,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band11", "",              "",        0,    32767, 36,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band12", "",              "",        0,    32767, 38,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band13", "",              "",        0,    32767, 40,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band14", "",              "",        0,    32767, 42,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band15", "",              "",        0,    32767, 44,   w2,    num,   5,   whenVocoderOn),
    rec ("Formant Hold Data Band16", "",              "",        0,    32767, 46,   w2,    num,   5,   whenVocoderOn),
    rec ("Vocoder Level",            "Vocoder Lvl",   "",        0,    127,   48,   w1,    num,   4,   whenVocoderOn),
    rec ("Direct Level",             "Direct Level",  "",        0,    127,   49,   w1,    num,   4,   whenVocoderOn),
    rec ("Wet Spread",               "Wet Spread",    "",        0,    127,   50,   w1,    num,   4,   whenVocoderOn),
    rec ("Wet Level",                "Wet Level",     "",        0,    127,   51,   w1,    num,   4,   whenVocoderOn),
};
// clang-format on

} // namespace xTV200_data::parameter_records
