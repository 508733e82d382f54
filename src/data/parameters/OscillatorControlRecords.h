#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// The records of an oscillator's two controls, chosen by the oscillator's type:
// record t serves type 0 and 97...126 (t = 0), the analogue types 1...32 (t = type),
// the DWGS waves 33...96 (t = 33) and the audio input 127 (t = 34). The byte of
// each record is replaced by the oscillator's own control byte when it is chosen.
namespace xTV200_data::parameter_records
{
/** An oscillator control whose value is 0...127 (or -63...63 when signed). */
constexpr ParameterInfo ctl (const char* name, const char* shortName, int minimum, int maximum, int formatter)
{
    return rec (name, shortName, "", minimum, maximum, 0, w1, num, formatter);
}

constexpr ParameterInfo ctlSigned (const char* name, const char* shortName, int minimum, int maximum,
                                   int formatter)
{
    return rec (name, shortName, "", minimum, maximum, 0, w1s, numPm, formatter);
}

inline constexpr ParameterInfo unusedControl1 = unusedControl ("Control1");
inline constexpr ParameterInfo unusedControl2 = unusedControl ("Control2");

// clang-format off
inline constexpr ControlRecordPair oscillatorControlRecords[] = {
    //    Control1                                                   Control2                                                 types
    /*  0 */ { unusedControl1,                                          unusedControl2 },                                        // 0, 97...126
    /*  1 */ { ctl ("Waveform", "Waveform", 0, 127, 4),                 unusedControl2 },
    /*  2 */ { ctl ("PulseWidth", "PulseWidth", 0, 127, 4),             unusedControl2 },
    /*  3 */ { ctl ("Waveform", "Waveform", 0, 127, 4),                 unusedControl2 },
    /*  4 */ { ctl ("Waveform", "Waveform", 0, 127, 4),                 unusedControl2 },
    /*  5 */ { ctl ("Decimator Fc", "Decimator Fc", 0, 127, 4),         ctl ("Noise Decay", "Noise Decay", 0, 127, 4) },
    /*  6 */ { ctl ("LPF Cutoff", "LPF Cutoff", 0, 127, 4),             ctl ("Noise Decay", "Noise Decay", 0, 127, 4) },
    /*  7 */ { ctl ("HPF Cutoff", "HPF Cutoff", 0, 127, 4),             ctl ("Noise Decay", "Noise Decay", 0, 127, 4) },
    /*  8 */ { ctl ("Resonance", "Resonance", 0, 127, 4),               ctl ("Noise Decay", "Noise Decay", 0, 127, 4) },
    /*  9 */ { ctlSigned ("Detune", "Detune", -63, 63, 13),             unusedControl2 },
    /* 10 */ { ctlSigned ("Detune", "Detune", -63, 63, 13),             unusedControl2 },
    /* 11 */ { ctlSigned ("Detune", "Detune", -63, 63, 13),             unusedControl2 },
    /* 12 */ { ctlSigned ("Detune", "Detune", -63, 63, 13),             unusedControl2 },
    /* 13 */ { ctl ("Detune", "Detune", 0, 127, 4),                     unusedControl2 },
    /* 14 */ { ctl ("Detune", "Detune", 0, 127, 4),                     unusedControl2 },
    /* 15 */ { ctl ("Detune", "Detune", 0, 127, 4),                     unusedControl2 },
    /* 16 */ { ctl ("Detune", "Detune", 0, 127, 4),                     unusedControl2 },
    /* 17 */ { ctl ("SlaveOsc Pitch", "Mod Pitch", 0, 127, 4),          unusedControl2 },
    /* 18 */ { ctl ("SlaveOsc Pitch", "Mod Pitch", 0, 127, 4),          unusedControl2 },
    /* 19 */ { ctl ("SlaveOsc Pitch", "Mod Pitch", 0, 127, 4),          unusedControl2 },
    /* 20 */ { ctl ("SlaveOsc Pitch", "Mod Pitch", 0, 127, 4),          unusedControl2 },
    /* 21 */ { ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13),       unusedControl2 },
    /* 22 */ { ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13),       unusedControl2 },
    /* 23 */ { ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13),       unusedControl2 },
    /* 24 */ { ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13),       unusedControl2 },
    /* 25 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13) },
    /* 26 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13) },
    /* 27 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13) },
    /* 28 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctlSigned ("Mod Pitch", "Mod Pitch", -63, 63, 13) },
    /* 29 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctl ("Mod Harmonics", "Mod Harm", 0, 32, 30) },
    /* 30 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctl ("Mod Harmonics", "Mod Harm", 0, 32, 30) },
    /* 31 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctl ("Mod Harmonics", "Mod Harm", 0, 32, 30) },
    /* 32 */ { ctl ("Mod Depth", "Mod Depth", 0, 127, 4),               ctl ("Mod Harmonics", "Mod Harm", 0, 32, 30) },
    /* 33 */ { ctl ("Detune", "Detune", 0, 127, 4),                     ctl ("Mod Depth", "Mod Depth", 0, 127, 4) },      // 33...96
    /* 34 */ { ctlSigned ("Gain", "Gain", -63, 63, 13),                 unusedControl2 },                                 // 127
};
// clang-format on

inline constexpr int oscillatorControlRecordForDwgsWaves = 33;
inline constexpr int oscillatorControlRecordForAudioInput = 34;

} // namespace xTV200_data::parameter_records
