#pragma once

// The name lists of the value formatters, indexed by value - minimum.
// Each list is as long as the range of the parameters that use it.
namespace xTV200_data::value_names
{
// clang-format off
inline constexpr const char* disableEnable[] = { "Disable", "Enable" };                                          // 19
inline constexpr const char* category[] = { "Synth", "Lead", "Bass", "Brass", "Strings", "Piano", "Key", "SE/Voc", "User" }; // 20
inline constexpr const char* voiceMode[] = { "Single", "Layer", "Split" };                                       // 21
inline constexpr const char* keyboardResponse[] = { "Norm", "Shlw", "Deep" };                                    // 24
inline constexpr const char* voiceAssign[] = { "Mono1", "Mono2", "Poly" };                                       // 25
inline constexpr const char* unisonVoices[] = { "Off", "2", "3", "4" };                                          // 26

inline constexpr const char* filterType[] = {                                                                    // 31
    "LPF Tolm 1", "LPF Tolm 2", "LPF MG", "LPF P5", "LPF OB", "LPF ZQ-77", "LPF Acid",
    "HPF Tolm", "HPF P5", "HPF OB", "HPF ZQ-77", "HPF Acid",
    "BPF Tolm", "BPF P5", "BPF OB", "BPF ZQ-77", "BPF Acid",
    "BPF+ Tolm",
};

inline constexpr const char* filterLfoWave[] = { "Saw", "Square", "Triangle", "S&H", "Random" };                 // 34
inline constexpr const char* pitchLfoWave[] = { "Saw", "Square+", "Sine", "S&H", "Random" };                     // 35

inline constexpr const char* lfoFrequency[] = {                                                                  // 36
    "000.01Hz", "000.02Hz", "000.03Hz", "000.04Hz", "000.05Hz", "000.06Hz", "000.07Hz", "000.08Hz",  // 0...7
    "000.09Hz", "000.10Hz", "000.11Hz", "000.12Hz", "000.13Hz", "000.14Hz", "000.15Hz", "000.16Hz",  // 8...15
    "000.17Hz", "000.18Hz", "000.19Hz", "000.20Hz", "000.21Hz", "000.22Hz", "000.23Hz", "000.24Hz",  // 16...23
    "000.25Hz", "000.29Hz", "000.33Hz", "000.42Hz", "000.50Hz", "000.58Hz", "000.67Hz", "000.75Hz",  // 24...31
    "000.83Hz", "000.92Hz", "001.00Hz", "001.13Hz", "001.25Hz", "001.38Hz", "001.50Hz", "001.63Hz",  // 32...39
    "001.75Hz", "001.88Hz", "002.00Hz", "002.13Hz", "002.25Hz", "002.38Hz", "002.50Hz", "002.63Hz",  // 40...47
    "002.75Hz", "002.88Hz", "003.00Hz", "003.13Hz", "003.25Hz", "003.38Hz", "003.50Hz", "003.63Hz",  // 48...55
    "003.75Hz", "003.88Hz", "004.00Hz", "004.13Hz", "004.25Hz", "004.38Hz", "004.50Hz", "004.63Hz",  // 56...63
    "004.75Hz", "004.88Hz", "005.00Hz", "005.25Hz", "005.50Hz", "005.75Hz", "006.00Hz", "006.25Hz",  // 64...71
    "006.50Hz", "006.75Hz", "007.00Hz", "007.25Hz", "007.50Hz", "007.75Hz", "008.00Hz", "008.25Hz",  // 72...79
    "008.50Hz", "008.75Hz", "009.00Hz", "009.25Hz", "009.50Hz", "009.75Hz", "010.00Hz", "010.50Hz",  // 80...87
    "011.00Hz", "011.50Hz", "012.00Hz", "012.50Hz", "013.00Hz", "013.50Hz", "014.00Hz", "014.50Hz",  // 88...95
    "015.00Hz", "016.00Hz", "017.00Hz", "018.00Hz", "019.00Hz", "020.00Hz", "021.50Hz", "023.00Hz",  // 96...103
    "024.50Hz", "026.00Hz", "027.50Hz", "029.00Hz", "031.00Hz", "033.00Hz", "035.00Hz", "037.00Hz",  // 104...111
    "039.00Hz", "041.00Hz", "044.00Hz", "047.00Hz", "050.00Hz", "053.00Hz", "057.00Hz", "061.00Hz",  // 112...119
    "065.00Hz", "070.00Hz", "075.00Hz", "080.00Hz", "085.00Hz", "090.00Hz", "095.00Hz", "100.00Hz",  // 120...127
};

inline constexpr const char* lfoKeySync[] = { "Off", "Timbre", "Voice" };                                        // 37

inline constexpr const char* syncNote[] = {                                                                      // 38
    "8meas", "4meas", "2meas", "1/1", "3/4", "1/2", "3/8", "1/3", "1/4", "3/16", "1/6", "1/8", "1/12", "1/16",
    "1/24", "1/32", "1/64",
};

inline constexpr const char* modulationSource[] = {                                                              // 39, 49
    "EG1", "EG2", "LFO1", "LFO2", "Velocity", "PitchBend", "JS+Y", "JS-Y", "KeyTrack", "MIDI1", "MIDI2", "MIDI3",
};

inline constexpr const char* patchDestination[] = {                                                              // 40
    "Off", "Pitch", "Portamento",
    "Osc1Tune", "Osc2Tune", "Osc3Tune",
    "Osc1Ctr1", "Osc2Ctr1", "Osc3Ctr1",
    "Osc1Ctr2", "Osc2Ctr2", "Osc3Ctr2",
    "Osc1Level", "Osc2Level", "Osc3Level",
    "Cutoff", "Resonance", "FcEG1Int", "FcKeyTrk",
    "EG1Attack", "EG1Decay", "EG1Sustain", "EG1Release",
    "EG2Attack", "EG2Decay", "EG2Sustain", "EG2Release",
    "LFO1Freq", "LFO2Freq", "AmpLevel", "Panpot",
    "Patch1Int", "Patch2Int", "Patch3Int", "Patch4Int", "Patch5Int", "Patch6Int",
    "Pre Drive", "Mod Depth", "Mod Speed", "R/D Depth", "R/D Time",
};

inline constexpr const char* effectSwitch[] = { "Off", "A", "B", "A&B" };                                        // 41
inline constexpr const char* preFxType[] = { "Distortion", "Decimator", "Ring Mod", "EP.Amp", "GT.Amp", "Tone" }; // 42
inline constexpr const char* modFxType[] = { "Flanger", "Chorus", "U-Vibe", "Tremolo", "Phaser", "Rotary" };     // 43
inline constexpr const char* revDelayType[] = { "Hall", "Room", "Plate", "Tape Echo", "Mod Delay", "BPM Delay" }; // 44
inline constexpr const char* audioSource[] = { "Input", "TimbreB" };                                             // 47
inline constexpr const char* timbreAssign[] = { "TimbreA", "TimbreB", "TimbreA+B" };                             // 51
inline constexpr const char* arpeggiatorType[] = { "Up", "Down", "Alt1", "Alt2", "Random", "Trigger" };          // 52
inline constexpr const char* arpeggiatorResolution[] = {                                                         // 53
    "1/32", "1/24", "1/16", "1/12", "1/8", "1/6", "1/4", "1/2", "1/1",
};
inline constexpr const char* keyboardPosition[] = { "PostKBD", "PreTG" };                                        // 57
inline constexpr const char* velocityCurve[] = { "1", "2", "3", "4(Norm)", "5", "6", "7", "8", "Const64" };      // 58

inline constexpr const char* scale[] = {                                                                         // 59
    "Equal Temp", "Pure Major", "Pure Minor", "Arabic", "Pythagorea", "Werckmeist", "Kirnberger", "Slendoro",
    "Pelog", "UsrKeyTune",
};

// Natural notes end in a blank, so that every name is two characters wide.
inline constexpr const char* noteNames[] = { "C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B " }; // 60, 23

inline constexpr const char* knobMode[] = { "Jump", "Catch", "ValueScale" };                                     // 61
inline constexpr const char* autoPowerOff[] = { "Disable", "4hours" };                                           // 62
inline constexpr const char* powerSaveMode[] = { "DispLow", "DispOff", "Disp&LedOff" };                          // 63
inline constexpr const char* powerSaveTime[] = { "30sec", "1min", "5min", "15min" };                             // 64

inline constexpr const char* illuminateMode[] = {                                                                // 65
    "Off", "White", "Red", "Pink", "Blue", "Green", "Purple", "Gold", "Fickle",
};

inline constexpr const char* midiRouting[] = { "MIDI+USB", "MIDI", "USB" };                                      // 67
inline constexpr const char* midiClock[] = { "Auto", "Int", "Ext USB", "Ext MIDI" };                             // 68
inline constexpr const char* damperPolarity[] = { "+", "-/VESK" };                                               // 71
inline constexpr const char* assignableType[] = { "Pedal", "Switch" };                                           // 72

inline constexpr const char* pedalFunction[] = {                                                                 // 73
    "Volume", "Exp.Pedal", "Panpot", "AfterTouch", "JS +Y", "JS -Y", "Foot Pedal",
};

inline constexpr const char* switchFunction[] = {                                                                // 74
    "Prog. Up", "Prog. Down", "Octave Up", "Octave Down", "Porta. SW", "Arp SW", "Arp Stop", "Foot SW",
    "JS Lock X", "JS Lock Y", "JS Lock XY",
};

inline constexpr const char* switchMode[] = { "Momentary", "Latch" };                                            // 75

inline constexpr const char* lowEqFrequency[] = {                                                                // 76
    "  20Hz", "  22Hz", "  25Hz", "  28Hz", "  32Hz", "  36Hz", "  40Hz", "  45Hz", "  50Hz", "  56Hz",        // 0...9
    "  63Hz", "  71Hz", "  80Hz", "  90Hz", " 100Hz", " 112Hz", " 125Hz", " 140Hz", " 160Hz", " 180Hz",        // 10...19
    " 200Hz", " 224Hz", " 250Hz", " 280Hz", " 315Hz", " 400Hz", " 450Hz", " 500Hz", " 560Hz", " 630Hz",        // 20...29
    " 710Hz", " 800Hz", " 900Hz", "1000Hz",                                                                    // 30...33
};

inline constexpr const char* highEqFrequency[] = {                                                               // 78
    " 1.00kHz", " 1.12kHz", " 1.25kHz", " 1.40kHz", " 1.60kHz", " 1.80kHz", " 2.00kHz", " 2.24kHz",            // 0...7
    " 2.50kHz", " 2.80kHz", " 3.15kHz", " 4.00kHz", " 4.50kHz", " 5.00kHz", " 5.60kHz", " 6.30kHz",            // 8...15
    " 7.10kHz", " 8.00kHz", " 9.00kHz", "10.00kHz", "11.20kHz", "12.50kHz", "14.00kHz", "16.00kHz",            // 16...23
    "18.00kHz", "20.00kHz",                                                                                    // 24...25
};

inline constexpr const char* cvGateMode[] = { "drumvane", "ZQ-77", "Custom" };                                   // 80
inline constexpr const char* cvType[] = { "Oct/V", "Hz/V", "2Oct/V" };                                           // 81
inline constexpr const char* cvRange[] = { "Full", "Limit8V", "Limit5V" };                                       // 82
inline constexpr const char* gatePolarity[] = { "-", "+" };                                                      // 83
// clang-format on

} // namespace xTV200_data::value_names
