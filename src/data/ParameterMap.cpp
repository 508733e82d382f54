#include "data/ParameterMap.h"
#include "data/ParameterGroup.h"
#include "data/parameters/EffectRecords.h"
#include "data/parameters/OscillatorControlRecords.h"
#include "data/ValueFormatter.h"

#include <algorithm>

namespace xTV200_data
{
namespace
{
using namespace parameter_records;

/** A record whose real record depends on a type held elsewhere in the group. */
struct DynamicControl
{
    int index;     ///< the control's index in its group
    int typeIndex; ///< the index of the type that chooses its record
    bool second;   ///< Control2 (or an effect's second control) rather than the first
};

constexpr DynamicControl oscillatorControls[] = {
    {15, 12, false}, {16, 12, true}, // oscillator 1
    {20, 17, false}, {21, 17, true}, // oscillator 2
    {25, 22, false}, {26, 22, true}, // oscillator 3
};

constexpr DynamicControl effectControls[] = {
    {2, 0, false},                // PreFX
    {5, 3, false}, {6, 3, true},  // ModFX
    {9, 7, false}, {10, 7, true}, // Rev/Delay
};

template <typename Controls>
const DynamicControl* findDynamicControl (const Controls& controls, int index) noexcept
{
    const auto found =
        std::find_if (std::begin (controls), std::end (controls),
                      [index] (const DynamicControl& control) { return control.index == index; });
    return found != std::end (controls) ? &*found : nullptr;
}

const ParameterInfo* findPlainRecord (const ParameterGroup& group, int index) noexcept
{
    if (index < 0 || index >= group.numRecords)
        return nullptr;

    return group.records + index;
}

/** The oscillator control record for an oscillator type, or -1 when the type has none. */
int oscillatorControlRecordFor (int type) noexcept
{
    if (type == 0 || (type >= 97 && type <= 126))
        return 0;

    if (type >= 1 && type <= 32)
        return type;

    if (type >= 33 && type <= 96)
        return oscillatorControlRecordForDwgsWaves;

    if (type == 127)
        return oscillatorControlRecordForAudioInput;

    return -1;
}

bool chooseOscillatorControl (ParameterId id, const ParameterGroup& group, const ParameterInfo& plain,
                              const DynamicControl& control, DataBlock programBytes,
                              ParameterInfo& out) noexcept
{
    const auto type =
        readParameterValue ({id.group, control.typeIndex}, group.records[control.typeIndex], programBytes);
    const auto record = oscillatorControlRecordFor (type);

    if (record < 0)
        return false;

    const auto& pair = oscillatorControlRecords[record];
    out = control.second ? pair.second : pair.first;
    out.byteOffset = plain.byteOffset; // the oscillator's own control byte
    return true;
}

bool chooseEffectControl (ParameterId id, const ParameterGroup& group, const DynamicControl& control,
                          DataBlock programBytes, ParameterInfo& out) noexcept
{
    const auto type =
        readParameterValue ({id.group, control.typeIndex}, group.records[control.typeIndex], programBytes);

    if (type < 0 || type >= numEffectTypes)
        return false;

    switch (control.typeIndex)
    {
    case 0:
        out = preFxControlRecords[type];
        break;
    case 3:
        out = control.second ? modFxControlRecords[type].second : modFxControlRecords[type].first;
        break;
    default:
        out = control.second ? revDelayControlRecords[type].second : revDelayControlRecords[type].first;
        break;
    }

    return true;
}
} // namespace

bool getParameterInfo (ParameterId id, DataBlock programBytes, ParameterInfo& out) noexcept
{
    const auto* group = getParameterGroup (id.group);

    if (group == nullptr || group->isGlobal())
        return false;

    const auto* plain = findPlainRecord (*group, id.index);

    if (plain == nullptr)
        return false;

    if (group->lookup == ParameterLookup::timbre)
        if (const auto* control = findDynamicControl (oscillatorControls, id.index))
            return chooseOscillatorControl (id, *group, *plain, *control, programBytes, out);

    if (group->lookup == ParameterLookup::effect)
        if (const auto* control = findDynamicControl (effectControls, id.index))
            return chooseEffectControl (id, *group, *control, programBytes, out);

    out = *plain;
    return true;
}

bool getGlobalParameterInfo (ParameterId id, ParameterInfo& out) noexcept
{
    const auto* group = getParameterGroup (id.group);

    if (group == nullptr || !group->isGlobal())
        return false;

    const auto* plain = findPlainRecord (*group, id.index);

    if (plain == nullptr)
        return false;

    out = *plain;
    return true;
}

std::int16_t getParameterValue (ParameterId id, DataBlock programBytes) noexcept
{
    ParameterInfo info;

    if (!getParameterInfo (id, programBytes, info))
        return 0;

    return readParameterValue (id, info, programBytes);
}

std::int16_t getGlobalParameterValue (ParameterId id, DataBlock globalBytes) noexcept
{
    ParameterInfo info;

    if (!getGlobalParameterInfo (id, info))
        return 0;

    return readParameterValue (id, info, globalBytes);
}

std::int16_t readParameterValue (ParameterId id, const ParameterInfo& info, DataBlock bytes) noexcept
{
    // Words longer than four bytes are not values of this map; refusing them
    // also keeps every shift below 64 bits.
    constexpr int maximumByteCount = 4;

    const auto* group = getParameterGroup (id.group);

    if (group == nullptr || group->blockSize <= 0 || info.byteCount > maximumByteCount)
        return 0;

    const auto endInBlock = static_cast<std::size_t> (info.byteOffset) + info.byteCount;
    const auto firstByte = static_cast<std::size_t> (group->blockOffset) + info.byteOffset;

    if (group->blockSize < endInBlock || bytes.bytes == nullptr || bytes.size < firstByte + info.byteCount)
        return 0;

    std::uint64_t word = 0;

    for (int i = 0; i < info.byteCount; ++i)
        word |= static_cast<std::uint64_t> (bytes.bytes[firstByte + static_cast<std::size_t> (i)]) << (8 * i);

    const auto shift = info.byteCount * 8 - info.bitPosition - info.bitCount;

    if (shift < 0)
        return 0;

    const auto bits = (word >> shift) & ((std::uint64_t{1} << info.bitCount) - 1);
    auto value = static_cast<std::int64_t> (bits);

    if (info.signExtend && info.bitCount > 0 && ((bits >> (info.bitCount - 1)) & 1) != 0)
        value -= std::int64_t{1} << info.bitCount;

    // Kept as a 16-bit signed value, the low 16 bits of the result.
    return static_cast<std::int16_t> (static_cast<std::uint16_t> (value & 0xffff));
}

juce::String getParameterValueText (const ParameterInfo& info, int value)
{
    const auto* formatter = getValueFormatter (info.formatter);

    if (formatter == nullptr)
        return {};

    auto shown = value < info.minimum ? static_cast<int> (info.minimum)
                                      : std::min (value, static_cast<int> (info.maximum));

    if (formatter->transform != nullptr)
        shown = formatter->transform (shown);

    if (formatter->text != nullptr)
        return formatter->text (shown);

    const auto nameIndex = shown - info.minimum;

    if (nameIndex >= 0 && nameIndex < formatter->names.numNames)
        return formatter->names.names[nameIndex];

    return {};
}

int getOscillatorTypeCategory (int value) noexcept
{
    if (value >= 1 && value <= 32)
        return 0;

    if (value >= 33 && value <= 96)
        return 1;

    if (value >= 97 && value <= 126)
        return 2;

    if (value == 127)
        return 3;

    return -1;
}

bool isParameterActive (ParameterId id, const ParameterInfo& info, DataBlock bytes) noexcept
{
    const auto& condition = info.activeWhen;

    if (!condition.readsAParameter())
        return condition.isSatisfiedBy (0);

    const auto* group = getParameterGroup (id.group);

    if (group == nullptr)
        return false;

    const auto* tested = findPlainRecord (*group, condition.index);

    if (tested == nullptr)
        return false;

    return condition.isSatisfiedBy (readParameterValue ({id.group, condition.index}, *tested, bytes));
}

} // namespace xTV200_data
