#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Group 12 (control change assignment) of the global data: record i at byte i,
// the control change number -1...119 (-1 shows "Off").
namespace xTV200_data::parameter_records
{
constexpr ParameterInfo ccAssign (const char* name, const char* shortName, int byteOffset)
{
    return rec (name, shortName, "", -1, 119, byteOffset, w1s, named, 70);
}

// clang-format off
inline constexpr ParameterInfo controlChangeAssignmentRecords[] = {
    //       name                        short name    byte
    ccAssign ("Porta. Time",              "Porta.Time",  0),
    ccAssign ("Porta. SW",                "Porta.SW",    1),
    ccAssign ("Unison SW",                "Unison SW",   2),
    ccAssign ("Osc1 Type",                "Osc1 Type",   3),
    ccAssign ("Osc1 Ctrl1",               "Osc1 Ctrl1",  4),
    ccAssign ("Osc1 Ctrl2",               "Osc1 Ctrl2",  5),
    ccAssign ("Osc2 Type",                "Osc2 Type",   6),
    ccAssign ("Osc2 Ctrl1",               "Osc2 Ctrl1",  7),
    ccAssign ("Osc2 Ctrl2",               "Osc2 Ctrl2",  8),
    ccAssign ("Osc3 Type",                "Osc3 Type",   9),
    ccAssign ("Osc3 Ctrl1",               "Osc3 Ctrl1",  10),
    ccAssign ("Osc3 Ctrl2",               "Osc3 Ctrl2",  11),
    ccAssign ("Osc1 Level",               "Osc1 Level",  12),
    ccAssign ("Osc2 Level",               "Osc2 Level",  13),
    ccAssign ("Osc3 Level",               "Osc3 Level",  14),
    ccAssign ("Filter Cutoff",            "Cutoff",      15),
    ccAssign ("Filter Resonance",         "Resonance",   16),
    ccAssign ("Filter EG1 Int",           "FltEG1Int",   17),
    ccAssign ("Filter KeyTrack",          "KeyTrack",    18),
    ccAssign ("Amp Level",                "Amp Level",   19),
    ccAssign ("Panpot",                   "Panpot",      20),
    ccAssign ("EG1 Attack",               "EG1Attack",   21),
    ccAssign ("EG1 Decay",                "EG1Decay",    22),
    ccAssign ("EG1 Sustain",              "EG1Sustain",  23),
    ccAssign ("EG1 Release",              "EG1Release",  24),
    ccAssign ("EG2 Attack",               "EG2Attack",   25),
    ccAssign ("EG2 Decay",                "EG2Decay",    26),
    ccAssign ("EG2 Sustain",              "EG2Sustain",  27),
    ccAssign ("EG2 Release",              "EG2Release",  28),
    ccAssign ("LFO1 Intensity",           "LFO1 Int",    29),
    ccAssign ("LFO1 Frequency",           "LFO1 Freq",   30),
    ccAssign ("LFO2 Intensity",           "LFO2 Int",    31),
    ccAssign ("LFO2 Frequency",           "LFO2 Freq",   32),
    ccAssign ("Patch1 Int.",              "Patch1 Int",  33),
    ccAssign ("Patch2 Int.",              "Patch2 Int",  34),
    ccAssign ("Patch3 Int.",              "Patch3 Int",  35),
    ccAssign ("Patch4 Int.",              "Patch4 Int",  36),
    ccAssign ("Patch5 Int.",              "Patch5 Int",  37),
    ccAssign ("Patch6 Int.",              "Patch6 Int",  38),
    ccAssign ("EQ High Gain",             "EQ Hi Gain",  39),
    ccAssign ("EG Low Gain",              "EQ Lo Gain",  40),
    ccAssign ("Pre FX Drive",             "PreFXDrive",  41),
    ccAssign ("Mod FX Depth",             "ModFXDepth",  42),
    ccAssign ("Mod FX Speed",             "ModFXSpeed",  43),
    ccAssign ("Rev/Delay Time",           "RevDlyTime",  44),
    ccAssign ("Pre FX Switch",            "PreFX SW",    45),
    ccAssign ("Mod FX Switch",            "ModFX SW",    46),
    ccAssign ("Rev/Delay Depth",          "RevDly Lvl",  47),
    ccAssign ("Rev/Delay Switch",         "RevDly SW",   48),
    ccAssign ("Vocoder Threshold",        "VcTH Lvl",    49),
    ccAssign ("Vocoder HPF Level",        "VcHPF Lvl",   50),
    ccAssign ("Vocoder HPF Gate",         "VcHPF Gate",  51),
    ccAssign ("Vocoder Direct Level",     "VcDirLevel",  52),
    ccAssign ("Vocoder In TimbreA Level", "VcTimbALvl",  53),
    ccAssign ("Vocoder In TimbreB Level", "VcTimbBLvl",  54),
    ccAssign ("Vocoder Level",            "VcLevel",     55),
    ccAssign ("Vocoder Formant Shift",    "VcFmntSft",   56),
    ccAssign ("Vocoder FC Offset",        "VcFcOffset",  57),
    ccAssign ("Vocoder Resonance",        "VcReso",      58),
    ccAssign ("Vocoder Fc Mod.Int",       "VcFcModInt",  59),
    ccAssign ("Vocoder E.F. Sens",        "VcE.F.Sens",  60),
};
// clang-format on

} // namespace xTV200_data::parameter_records
