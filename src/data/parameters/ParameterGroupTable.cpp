#include "data/ParameterGroup.h"
#include "data/parameters/ArpeggiatorRecords.h"
#include "data/parameters/ControlChangeAssignmentRecords.h"
#include "data/parameters/EffectRecords.h"
#include "data/parameters/FavoriteAssignmentRecords.h"
#include "data/parameters/GlobalDeviceRecords.h"
#include "data/parameters/OscillatorControlRecords.h"
#include "data/parameters/ProgramCommonRecords.h"
#include "data/parameters/SystemRecords.h"
#include "data/parameters/TimbreRecords.h"
#include "data/parameters/UserKeyTuningRecords.h"
#include "data/parameters/VocoderRecords.h"

#include <cstddef>
#include <iterator>

namespace xTV200_data
{
namespace
{
using namespace parameter_records;

template <std::size_t numRecords>
constexpr ParameterGroup group (const char* section, const ParameterInfo (&records)[numRecords],
                                int blockOffset, int blockSize, ParameterLookup lookup)
{
    return {section,
            records,
            static_cast<int> (numRecords),
            static_cast<std::uint16_t> (blockOffset),
            static_cast<std::uint16_t> (blockSize),
            lookup};
}

constexpr auto plain = ParameterLookup::plain;
constexpr auto timbre = ParameterLookup::timbre;
constexpr auto effect = ParameterLookup::effect;
constexpr auto global = ParameterLookup::global;

// clang-format off
constexpr ParameterGroup parameterGroups[] = {
    //     section                      records                          offset  size  lookup      group
    group ("program common",            programCommonRecords,            0,      16,   plain),  // 0
    group ("keyboard",                  keyboardRecords,                 312,    4,    plain),  // 1
    group ("timbre A",                  timbreRecords,                   16,     108,  timbre), // 2
    group ("timbre A virtual patches",  virtualPatchRecords,             100,    24,   plain),  // 3
    group ("timbre B",                  timbreRecords,                   124,    108,  timbre), // 4
    group ("timbre B virtual patches",  virtualPatchRecords,             208,    24,   plain),  // 5
    group ("effects",                   effectRecords,                   232,    12,   effect), // 6
    group ("vocoder",                   vocoderRecords,                  244,    52,   plain),  // 7
    group ("arpeggiator",               arpeggiatorRecords,              296,    16,   plain),  // 8
    group ("system",                    systemRecords,                   0,      16,   global), // 9
    group ("(placeholder)",             placeholderRecords,              124,    4,    global), // 10
    group ("MIDI",                      midiRecords,                     16,     12,   global), // 11
    group ("control change assignment", controlChangeAssignmentRecords,  28,     64,   global), // 12
    group ("pedal and switch",          pedalAndSwitchRecords,           92,     8,    global), // 13
    group ("user key tuning",           userKeyTuningRecords,            100,    12,   global), // 14
    group ("EQ",                        eqRecords,                       112,    4,    global), // 15
    group ("tube",                      tubeRecords,                     116,    4,    global), // 16
    group ("CV/gate",                   cvGateRecords,                   120,    4,    global), // 17
    group ("favourite assignments",     favoriteAssignmentRecords,       128,    96,   global), // 18
};

constexpr int expectedRecordCounts[] = { 16, 1, 62, 18, 62, 18, 11, 34, 19, 16, 1, 12, 61, 6, 12, 2, 2, 4, 48 };
// clang-format on

constexpr int programBytesSize = 320;
constexpr int globalBytesSize = 224;

static_assert (std::size (parameterGroups) == numParameterGroups);
static_assert (std::size (oscillatorControlRecords) == 35);
static_assert (std::size (preFxControlRecords) == numEffectTypes);
static_assert (std::size (modFxControlRecords) == numEffectTypes);
static_assert (std::size (revDelayControlRecords) == numEffectTypes);

constexpr bool recordCountsAreComplete()
{
    for (int g = 0; g < numParameterGroups; ++g)
        if (parameterGroups[g].numRecords != expectedRecordCounts[g])
            return false;

    return true;
}

constexpr bool groupsAreInTheirDataBlocks()
{
    for (int g = 0; g < numParameterGroups; ++g)
    {
        const auto& group = parameterGroups[g];
        const auto blockEnd = group.blockOffset + group.blockSize;

        if (blockEnd > (group.isGlobal() ? globalBytesSize : programBytesSize))
            return false;

        if (group.isGlobal() != (g >= firstGlobalParameterGroup))
            return false;
    }

    return true;
}

constexpr bool recordsLieInsideTheirGroups()
{
    for (const auto& group : parameterGroups)
        for (int i = 0; i < group.numRecords; ++i)
            if (group.records[i].byteOffset + group.records[i].byteCount > group.blockSize)
                return false;

    return true;
}

constexpr bool conditionsTestRecordsOfTheirGroup()
{
    for (const auto& group : parameterGroups)
        for (int i = 0; i < group.numRecords; ++i)
        {
            const auto& condition = group.records[i].activeWhen;

            if (condition.readsAParameter() && (condition.index < 0 || condition.index >= group.numRecords))
                return false;
        }

    return true;
}

static_assert (recordCountsAreComplete());
static_assert (groupsAreInTheirDataBlocks());
static_assert (recordsLieInsideTheirGroups());
static_assert (conditionsTestRecordsOfTheirGroup());

} // namespace

const ParameterGroup* getParameterGroup (int group) noexcept
{
    if (group < 0 || group >= numParameterGroups)
        return nullptr;

    return &parameterGroups[group];
}

} // namespace xTV200_data
