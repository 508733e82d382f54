#pragma once

#include <cstddef>
#include <iterator>

// The tables the value text functions look values up in.
namespace xTV200_data::value_tables
{
// clang-format off
/** Oscillator types 1...32, shown after "[ANLG] ". */
inline constexpr const char* analogueOscillatorNames[] = {
    "Saw", "Pulse", "Triangle", "Sine",                                 // 1...4
    "White Noise", "Pink Noise", "Blue Noise", "Res. Noise",             // 5...8
    "Dual Saw", "Dual Square", "Dual Tri.", "Dual Sine",                // 9...12
    "Unison Saw", "Unison Squ.", "Unison Tri.", "Unison Sine",          // 13...16
    "Sync Saw", "Sync Square", "Sync Tri.", "Sync Sine",                // 17...20
    "Ring Saw", "Ring Square", "Ring Tri.", "Ring Sine",                // 21...24
    "XMod Saw", "XMod Square", "XMod Tri.", "XMod Sine",                // 25...28
    "VPM Saw", "VPM Square", "VPM Tri.", "VPM Sine",                    // 29...32
};

/** Wave names, each in a fixed 12-byte field: 0...63 are shown after
    "[DWGS] " (types 33...96), 64...93 after "[PCM] " (types 97...126). */
inline constexpr char waveNames[][12] = {
    "Syn Sine 1", "Syn Sine 2", "Syn Sine 3", "Syn Sine 4", "Syn Sine 5", "Syn Sine 6", "Syn Sine 7",   // 0...6
    "Syn Sine 8", "Syn Sine 9",                                                                         // 7...8
    "Syn Wave 1", "Syn Wave 2", "Syn Wave 3", "Syn Wave 4", "Syn Wave 5", "Syn Wave 6", "Syn Wave 7",   // 9...15
    "Syn Wire 1", "Syn Wire 2", "Syn Wire 3", "Syn Wire 4",                                             // 16...19
    "5th Saw", "5th Square",                                                                            // 20...21
    "Inharm 1", "Inharm 2", "Inharm 3", "Inharm 4", "Inharm 5", "Inharm 6", "Inharm 7", "Inharm 8",     // 22...29
    "Inharm 9",                                                                                         // 30
    "Digital 1", "Digital 2", "Digital 3", "Digital 4", "Digital 5", "Digital 6", "Digital 7",          // 31...37
    "Digital 8", "Digital 9",                                                                           // 38...39
    "E.Piano 1", "E.Piano 2", "E.Piano 3", "E.Piano 4",                                                 // 40...43
    "Organ 1", "Organ 2", "Organ 3", "Organ 4", "Organ 5", "Organ 6", "Organ 7",                         // 44...50
    "Clav 1", "Clav 2", "Guitar 1", "Guitar 2", "E.Bass 1", "E.Bass 2", "E.Bass 3",                     // 51...57
    "Bell 1", "Bell 2", "Bell 3", "Bell 4", "Syn Vox 1", "Syn Vox 2",                                   // 58...63
    "A.Piano", "E.Grand", "Tine EP", "Dyno EP", "Wurly EP", "Clav 1", "Clav 2", "Organ 1",              // 64...71
    "Organ 2", "Organ 3", "Q9 Organ", "Vox Organ", "Marimba", "Bell 1", "Bell 2", "Tape Flute",         // 72...79
    "Brass 1", "Brass 2", "Trumpet", "Strings", "Tape Str.", "Choir 1", "Choir 2", "Choir 3",           // 80...87
    "A.Guitar", "E.Guitar", "A.Bass", "E.Bass 1", "E.Bass 2", "E.Bass 3",                               // 88...93
};

/** Cents for the magnitudes 0...63 (formatter 28). */
inline constexpr int centTable[] = {
    0, 1, 2, 3, 4, 5, 10, 15, 20, 25, 30, 40, 60, 80, 100, 120,                                     // 0...15
    160, 200, 260, 320, 380, 440, 500, 550, 600, 625, 650, 675, 700, 725, 750, 775,                 // 16...31
    800, 825, 850, 875, 900, 925, 950, 975, 1000, 1025, 1050, 1075, 1100, 1125, 1150, 1175,         // 32...47
    1200, 1280, 1360, 1440, 1520, 1600, 1680, 1760, 1840, 1920, 2000, 2080, 2160, 2240, 2320, 2400, // 48...63
};

/** Key track in hundredths for the magnitudes 0...63 (formatter 32). */
inline constexpr int keyTrackTable[] = {
    0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 27, 29, 31,                                      // 0...15
    33, 35, 37, 39, 41, 43, 45, 47, 50, 52, 54, 56, 58, 60, 62, 64,                                 // 16...31
    66, 68, 70, 72, 75, 77, 79, 81, 83, 85, 87, 89, 91, 93, 95, 97,                                 // 32...47
    100, 106, 113, 120, 126, 133, 140, 146, 153, 160, 166, 173, 180, 186, 193, 200,                 // 48...63
};
// clang-format on

static_assert (std::size (analogueOscillatorNames) == 32);
static_assert (std::size (waveNames) == 94);
static_assert (std::size (centTable) == 64);
static_assert (std::size (keyTrackTable) == 64);

} // namespace xTV200_data::value_tables
