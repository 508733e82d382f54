#pragma once

#include "data/parameters/ParameterRecordBuilders.h"

// Group 8 (arpeggiator). The eight steps share byte 12, Step1 in its most
// significant bit; a step means something only up to the last step.
namespace xTV200_data::parameter_records
{
inline constexpr int lastStepIndex = 9;

// clang-format off
inline constexpr ParameterInfo arpeggiatorRecords[] = {
    //  name             short name    qualified  min    max  byte  width    kind     fmt  active when
    rec ("SW",            "Arp SW",     "",        0,     1,   2,    w1,      sw,      84),
    rec ("Tempo",         "Tempo",      "",        20,    300, 0,    w2,      num,     16),
    rec ("Latch",         "Latch",      "",        0,     1,   3,    w1,      sw,      84),
    rec ("Key Sync",      "Key Sync",   "",        0,     1,   4,    w1,      sw,      84),
    rec ("Timbre Assign", "Assign",     "",        0,     2,   5,    w1,      named,   51),
    rec ("Type",          "Type",       "",        0,     5,   6,    w1,      named,   52),
    rec ("Resolution",    "Resolution", "",        0,     8,   7,    w1,      named,   53),
    rec ("Gate Time",     "Gate Time",  "",        0,     100, 8,    w1,      named,   54),
    rec ("Swing",         "Swing",      "",        -100,  100, 9,    w1s,     namedPm, 55),
    rec ("Last Step",     "Last Step",  "",        1,     8,   10,   w1,      num,     7),
    rec ("Octave Range",  "Oct Range",  "",        1,     4,   11,   w1,      num,     6),
    rec ("Step1",         "",           "",        0,     1,   12,   bit (7), sw,      84,  whenAtLeast (lastStepIndex, 1)),
    rec ("Step2",         "",           "",        0,     1,   12,   bit (6), sw,      84,  whenAtLeast (lastStepIndex, 2)),
    rec ("Step3",         "",           "",        0,     1,   12,   bit (5), sw,      84,  whenAtLeast (lastStepIndex, 3)),
    rec ("Step4",         "",           "",        0,     1,   12,   bit (4), sw,      84,  whenAtLeast (lastStepIndex, 4)),
    rec ("Step5",         "",           "",        0,     1,   12,   bit (3), sw,      84,  whenAtLeast (lastStepIndex, 5)),
    rec ("Step6",         "",           "",        0,     1,   12,   bit (2), sw,      84,  whenAtLeast (lastStepIndex, 6)),
    rec ("Step7",         "",           "",        0,     1,   12,   bit (1), sw,      84,  whenAtLeast (lastStepIndex, 7)),
    rec ("Step8",         "",           "",        0,     1,   12,   bit (0), sw,      84,  whenAtLeast (lastStepIndex, 8)),
};
// clang-format on

} // namespace xTV200_data::parameter_records
