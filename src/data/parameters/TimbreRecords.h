#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Groups 2 and 4 (timbre A and B) and groups 3 and 5 (their virtual patches).
// In the timbre groups the records 15, 16, 20, 21, 25 and 26 stand for the
// oscillator controls, whose real records depend on the oscillator's type
// (OscillatorControlRecords.h); these plain ones give the control bytes.
namespace xTV200_data::parameter_records
{
// Indexes the activeWhen conditions of the timbre records test.
inline constexpr int unisonSwIndex = 1;
inline constexpr int osc1TypeIndex = 12;
inline constexpr int osc2TypeIndex = 17;
inline constexpr int osc3TypeIndex = 22;
inline constexpr int filterLfoTempoSyncIndex = 55;
inline constexpr int pitchLfoTempoSyncIndex = 60;

// clang-format off
inline constexpr ParameterInfo timbreRecords[] = {
    //  name               short name      qualified           min   max  byte  width  kind     fmt  active when
    rec ("Voice Assign",    "Assign",       "",                 0,    2,   0,    w1,    named,   25),
    rec ("Unison SW",       "Unison Voice", "",                 0,    3,   1,    w1,    named,   26),
    rec ("Unison Detune",   "Detune",       "",                 0,    99,  2,    w1,    num,     2,   whenNotEqual (unisonSwIndex, 0)),
    rec ("Unison Spread",   "Spread",       "",                 0,    127, 3,    w1,    num,     4,   whenNotEqual (unisonSwIndex, 0)),
    rec ("Transpose",       "Transpose",    "",                 -48,  48,  4,    w1s,   numPm,   11),
    rec ("Detune",          "Detune",       "",                 -50,  50,  5,    w1s,   namedPm, 27),
    rec ("LFO2 Mod Int",    "LFO2ModInt",   "PitchLFO ModInt",  -63,  63,  6,    w1s,   numPm,   13),
    rec ("LFO2 & JS+Y",     "LFO2&JS+Y",    "",                 -63,  63,  7,    w1s,   namedPm, 28),
    rec ("P.Bend Range",    "BendRange",    "",                 -12,  12,  8,    w1s,   numPm,   9),
    rec ("Porta. On/Off",   "Portamento",   "",                 0,    1,   9,    w1,    sw,      84),
    rec ("Porta. Time",     "Porta.Time",   "",                 0,    127, 10,   w1,    num,     4),
    rec ("Analog Tuning",   "Analog Tune",  "",                 0,    127, 11,   w1,    num,     4),
    rec ("Type",            "Type",         "Osc1Type",         0,    127, 12,   w1,    named,   29),
    rec ("Semitone",        "Semitone",     "Osc1Semitone",     -24,  24,  13,   w1s,   numPm,   10,  whenInRange (osc1TypeIndex, 1, 126)),
    rec ("Tune",            "Tune",         "Osc1Tune",         -63,  63,  14,   w1s,   numPm,   13,  whenInRange (osc1TypeIndex, 1, 126)),
    rec ("Control1",        "Control1",     "",                 0,    127, 15,   w1,    num,     4),
    rec ("Control2",        "Control2",     "",                 0,    127, 16,   w1,    num,     4),
    rec ("Type",            "Type",         "Osc2Type",         0,    127, 20,   w1,    named,   29),
    rec ("Semitone",        "Semitone",     "Osc2Semitone",     -24,  24,  21,   w1s,   numPm,   10,  whenInRange (osc2TypeIndex, 1, 126)),
    rec ("Tune",            "Tune",         "Osc2Tune",         -63,  63,  22,   w1s,   numPm,   13,  whenInRange (osc2TypeIndex, 1, 126)),
    rec ("Control1",        "Control1",     "",                 0,    127, 23,   w1,    num,     4),
    rec ("Control2",        "Control2",     "",                 0,    127, 24,   w1,    num,     4),
    rec ("Type",            "Type",         "Osc3Type",         0,    127, 28,   w1,    named,   29),
    rec ("Semitone",        "Semitone",     "Osc3Semitone",     -24,  24,  29,   w1s,   numPm,   10,  whenInRange (osc3TypeIndex, 1, 126)),
    rec ("Tune",            "Tune",         "Osc3Tune",         -63,  63,  30,   w1s,   numPm,   13,  whenInRange (osc3TypeIndex, 1, 126)),
    rec ("Control1",        "Control1",     "",                 0,    127, 31,   w1,    num,     4),
    rec ("Control2",        "Control2",     "",                 0,    127, 32,   w1,    num,     4),
    rec ("Osc1 Level",      "Osc1Level",    "",                 0,    127, 36,   w1,    num,     4),
    rec ("Osc2 Level",      "Osc2Level",    "",                 0,    127, 37,   w1,    num,     4),
    rec ("Osc3 Level",      "Osc3Level",    "",                 0,    127, 38,   w1,    num,     4),
    rec ("Filter Type",     "Type",         "",                 0,    17,  39,   w1,    named,   31),
    rec ("Cutoff",          "Cutoff",       "",                 0,    127, 40,   w1,    num,     4),
    rec ("Resonance",       "Resonance",    "",                 0,    127, 41,   w1,    num,     4),
    rec ("EG1 Int",         "EG1Int",       "",                 -63,  63,  42,   w1s,   numPm,   13),
    rec ("LFO1 Mod Int",    "LFO1ModInt",   "FilterLFO ModInt", -63,  63,  43,   w1s,   numPm,   13),
    rec ("LFO1 & JS-Y",     "LFO1&JS-Y",    "",                 -63,  63,  44,   w1s,   numPm,   13),
    rec ("KeyTrack",        "KeyTrack",     "",                 -63,  63,  45,   w1s,   namedPm, 32),
    rec ("Velo Sens",       "VeloSens",     "",                 -63,  63,  46,   w1s,   numPm,   13),
    rec ("Level",           "Level",        "",                 0,    127, 47,   w1,    num,     4),
    centredAt (64,
    rec ("Pan",             "Pan",          "",                 0,    127, 48,   w1,    namedPm, 33)),
    rec ("Punch Level",     "Punch Level",  "",                 0,    127, 49,   w1,    num,     4),
    rec ("KeyTrack",        "KeyTrack",     "",                 -63,  63,  50,   w1s,   numPm,   13),
    rec ("Attack Time",     "Attack",       "FilterEG Attack",  0,    127, 52,   w1,    num,     4),
    rec ("Decay Time",      "Decay",        "FilterEG Decay",   0,    127, 53,   w1,    num,     4),
    rec ("Sustain Level",   "Sustain",      "FilterEG Sustain", 0,    127, 54,   w1,    num,     4),
    rec ("Release Time",    "Release",      "FilterEG Release", 0,    127, 55,   w1,    num,     4),
    rec ("Level Velo.Int.", "LevelVelInt",  "FltEG LvlVelInt",  -63,  63,  56,   w1s,   numPm,   13),
    rec ("Attack Time",     "Attack",       "AmpEG Attack",     0,    127, 60,   w1,    num,     4),
    rec ("Decay Time",      "Decay",        "AmpEG Decay",      0,    127, 61,   w1,    num,     4),
    rec ("Sustain Level",   "Sustain",      "AmpEG Sustain",    0,    127, 62,   w1,    num,     4),
    rec ("Release Time",    "Release",      "AmpEG Release",    0,    127, 63,   w1,    num,     4),
    rec ("Level Velo.Int.", "LevelVelInt",  "AmpEG LvlVelInt",  -63,  63,  64,   w1s,   numPm,   13),
    rec ("Wave",            "Wave",         "FilterLFO Wave",   0,    4,   68,   w1,    named,   34),
    rec ("Frequency",       "Freq.",        "FilterLFO Freq.",  0,    127, 69,   w1,    named,   36,  whenEqual (filterLfoTempoSyncIndex, 0)),
    rec ("KeySync",         "KeySync",      "",                 0,    2,   70,   w1,    named,   37),
    rec ("TempoSync",       "TempoSync",    "",                 0,    1,   71,   w1,    sw,      84),
    rec ("SyncNote",        "SyncNote",     "FltLFO SyncNote",  0,    16,  72,   w1,    named,   38,  whenNotEqual (filterLfoTempoSyncIndex, 0)),
    rec ("Wave",            "Wave",         "PitchLFO Wave",    0,    4,   76,   w1,    named,   35),
    rec ("Frequency",       "Freq.",        "PitchLFO Freq.",   0,    127, 77,   w1,    named,   36,  whenEqual (pitchLfoTempoSyncIndex, 0)),
    rec ("KeySync",         "KeySync",      "",                 0,    2,   78,   w1,    named,   37),
    rec ("TempoSync",       "TempoSync",    "",                 0,    1,   79,   w1,    sw,      84),
    rec ("SyncNote",        "SyncNote",     "PtchLFO SyncNote", 0,    16,  80,   w1,    named,   38,  whenNotEqual (pitchLfoTempoSyncIndex, 0)),
};

inline constexpr ParameterInfo virtualPatchRecords[] = {
    //  name           short name  qualified  min   max  byte  width  kind   fmt
    rec ("Source",      "Src",      "VP1Src",  0,    11,  0,    w1,    named, 39),
    rec ("Destination", "Dest",     "VP1Dest", 0,    41,  1,    w1,    named, 40),
    rec ("Intensity",   "Int",      "VP1Int",  -63,  63,  2,    w1s,   numPm, 13),
    rec ("Source",      "Src",      "VP2Src",  0,    11,  4,    w1,    named, 39),
    rec ("Destination", "Dest",     "VP2Dest", 0,    41,  5,    w1,    named, 40),
    rec ("Intensity",   "Int",      "VP2Int",  -63,  63,  6,    w1s,   numPm, 13),
    rec ("Source",      "Src",      "VP3Src",  0,    11,  8,    w1,    named, 39),
    rec ("Destination", "Dest",     "VP3Dest", 0,    41,  9,    w1,    named, 40),
    rec ("Intensity",   "Int",      "VP3Int",  -63,  63,  10,   w1s,   numPm, 13),
    rec ("Source",      "Src",      "VP4Src",  0,    11,  12,   w1,    named, 39),
    rec ("Destination", "Dest",     "VP4Dest", 0,    41,  13,   w1,    named, 40),
    rec ("Intensity",   "Int",      "VP4Int",  -63,  63,  14,   w1s,   numPm, 13),
    rec ("Source",      "Src",      "VP5Src",  0,    11,  16,   w1,    named, 39),
    rec ("Destination", "Dest",     "VP5Dest", 0,    41,  17,   w1,    named, 40),
    rec ("Intensity",   "Int",      "VP5Int",  -63,  63,  18,   w1s,   numPm, 13),
    rec ("Source",      "Src",      "VP6Src",  0,    11,  20,   w1,    named, 39),
    rec ("Destination", "Dest",     "VP6Dest", 0,    41,  21,   w1,    named, 40),
    rec ("Intensity",   "Int",      "VP6Int",  -63,  63,  22,   w1s,   numPm, 13),
};
// clang-format on

} // namespace xTV200_data::parameter_records
