#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Group 18 (favourite assignments) of the global data: six banks of eight
// program numbers, record i at byte 2 * i, stored 0...299 and shown 1...300.
// The first bank is named after the categories.
namespace xTV200_data::parameter_records
{
constexpr ParameterInfo favorite (const char* name, int byteOffset)
{
    return rec (name, "", "", 0, 299, byteOffset, w2s, num, 17);
}

// clang-format off
inline constexpr ParameterInfo favoriteAssignmentRecords[] = {
    //        name            byte
    favorite ("SYNTH",         0),
    favorite ("LEAD",          2),
    favorite ("BASS",          4),
    favorite ("BRASS",         6),
    favorite ("STRINGS",       8),
    favorite ("PIANO",         10),
    favorite ("KEY",           12),
    favorite ("SE/VOC",        14),
    favorite ("Favorite1-1",   16),
    favorite ("Favorite1-2",   18),
    favorite ("Favorite1-3",   20),
    favorite ("Favorite1-4",   22),
    favorite ("Favorite1-5",   24),
    favorite ("Favorite1-6",   26),
    favorite ("Favorite1-7",   28),
    favorite ("Favorite1-8",   30),
    favorite ("Favorite2-1",   32),
    favorite ("Favorite2-2",   34),
    favorite ("Favorite2-3",   36),
    favorite ("Favorite2-4",   38),
    favorite ("Favorite2-5",   40),
    favorite ("Favorite2-6",   42),
    favorite ("Favorite2-7",   44),
    favorite ("Favorite2-8",   46),
    favorite ("Favorite3-1",   48),
    favorite ("Favorite3-2",   50),
    favorite ("Favorite3-3",   52),
    favorite ("Favorite3-4",   54),
    favorite ("Favorite3-5",   56),
    favorite ("Favorite3-6",   58),
    favorite ("Favorite3-7",   60),
    favorite ("Favorite3-8",   62),
    favorite ("Favorite4-1",   64),
    favorite ("Favorite4-2",   66),
    favorite ("Favorite4-3",   68),
    favorite ("Favorite4-4",   70),
    favorite ("Favorite4-5",   72),
    favorite ("Favorite4-6",   74),
    favorite ("Favorite4-7",   76),
    favorite ("Favorite4-8",   78),
    favorite ("Favorite5-1",   80),
    favorite ("Favorite5-2",   82),
    favorite ("Favorite5-3",   84),
    favorite ("Favorite5-4",   86),
    favorite ("Favorite5-5",   88),
    favorite ("Favorite5-6",   90),
    favorite ("Favorite5-7",   92),
    favorite ("Favorite5-8",   94),
};
// clang-format on

} // namespace xTV200_data::parameter_records
