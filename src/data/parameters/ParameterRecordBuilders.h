#pragma once

#include "data/ParameterInfo.h"

#include <cstdint>

/*  The vocabulary the record tables are written in, so that each record reads
    as one line with the columns of the parameter list:

        rec (name, short name, qualified name, min, max, byte, width, kind, formatter, active when)
*/
namespace xTV200_data::parameter_records
{
/** How many bytes a value takes and which of their bits it uses. */
struct Width
{
    std::uint8_t byteCount = 0;
    std::uint8_t bitPosition = 0;
    std::uint8_t bitCount = 0;
    bool signExtend = false;
};

inline constexpr Width w1{1, 0, 8, false};  ///< one byte
inline constexpr Width w1s{1, 0, 8, true};  ///< one byte, two's complement
inline constexpr Width w2{2, 0, 16, false}; ///< two bytes, little-endian
inline constexpr Width w2s{2, 0, 16, true}; ///< two bytes, little-endian, two's complement
inline constexpr Width noBytes{0, 0, 0, false};

/** One bit of one byte, the bit numbered from the least significant (bit 0) up.
    bitPosition counts from the most significant bit, so bit n sits at 7 - n. */
constexpr Width bit (int n)
{
    return {1, static_cast<std::uint8_t> (7 - n), 1, false};
}

/** The kind of a value and whether it is shown with a sign (the "±" of the lists). */
struct Kind
{
    ParameterKind kind = ParameterKind::unused;
    bool displaySigned = false;
};

inline constexpr Kind unused{ParameterKind::unused, false};
inline constexpr Kind num{ParameterKind::number, false};
inline constexpr Kind numPm{ParameterKind::number, true};
inline constexpr Kind chr{ParameterKind::character, false};
inline constexpr Kind named{ParameterKind::namedValue, false};
inline constexpr Kind namedPm{ParameterKind::namedValue, true};
inline constexpr Kind sw{ParameterKind::onOffSwitch, false};

inline constexpr ParameterCondition always{};
inline constexpr ParameterCondition never{ParameterCondition::Test::never, 0, 0, 0};

constexpr ParameterCondition whenEqual (int index, int value)
{
    return {ParameterCondition::Test::equal, static_cast<std::int16_t> (index),
            static_cast<std::int16_t> (value), 0};
}

constexpr ParameterCondition whenNotEqual (int index, int value)
{
    return {ParameterCondition::Test::notEqual, static_cast<std::int16_t> (index),
            static_cast<std::int16_t> (value), 0};
}

constexpr ParameterCondition whenAtLeast (int index, int value)
{
    return {ParameterCondition::Test::atLeast, static_cast<std::int16_t> (index),
            static_cast<std::int16_t> (value), 0};
}

constexpr ParameterCondition whenInRange (int index, int low, int high)
{
    return {ParameterCondition::Test::inRange, static_cast<std::int16_t> (index),
            static_cast<std::int16_t> (low), static_cast<std::int16_t> (high)};
}

/** One record, in the column order of the parameter lists. */
constexpr ParameterInfo rec (const char* name, const char* shortName, const char* qualifiedName, int minimum,
                             int maximum, int byteOffset, Width width, Kind kind, int formatter,
                             ParameterCondition activeWhen = always)
{
    ParameterInfo info;
    info.name = name;
    info.shortName = shortName;
    info.qualifiedName = qualifiedName;
    info.minimum = static_cast<std::int16_t> (minimum);
    info.maximum = static_cast<std::int16_t> (maximum);
    info.centre = 0;
    info.displaySigned = kind.displaySigned;
    info.byteOffset = static_cast<std::uint16_t> (byteOffset);
    info.byteCount = width.byteCount;
    info.bitPosition = width.bitPosition;
    info.bitCount = width.bitCount;
    info.signExtend = width.signExtend;
    info.kind = kind.kind;
    info.formatter = formatter;
    info.activeWhen = activeWhen;
    return info;
}

/** The same record with another raw value shown as the middle. */
constexpr ParameterInfo centredAt (int centre, ParameterInfo info)
{
    info.centre = static_cast<std::int16_t> (centre);
    return info;
}

/** A control that means nothing for the type chosen: no bytes, no text, never active. */
constexpr ParameterInfo unusedControl (const char* name)
{
    return rec (name, name, "", 0, 0, 0, noBytes, unused, 0, never);
}

/** Two records chosen together: an oscillator's Control1 and Control2, or an
    effect's two controls. */
struct ControlRecordPair
{
    ParameterInfo first;
    ParameterInfo second;
};

} // namespace xTV200_data::parameter_records
