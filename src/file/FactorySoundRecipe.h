#pragma once

#include "file/FactorySoundStyle.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace xTV200_file
{
/** A few raw values of a parameter, one of which a program takes. */
struct FactoryValueChoice
{
    std::array<std::int16_t, 12> values {};
    int numValues = 0;
};

/** The raw values from low to high, inclusive, one of which a program takes. */
struct FactoryValueRange
{
    int low = 0;
    int high = 0;
};

/** How to make one style of sound: for each parameter that shapes it, the
    values its programs choose from. Parameters a recipe does not mention keep
    the values of the initial program.

    Oscillator controls are amounts of 0 to 127 spread over whatever range the
    chosen oscillator type's control has. The effect switches say on or off;
    an effect that is on works on every timbre that plays.
*/
struct FactorySoundRecipe
{
    // Common
    FactoryValueChoice voiceMode;
    FactoryValueRange splitKey { 48, 60 };
    FactorySoundStyle secondTimbreStyle = FactorySoundStyle::initTemplate;
    bool usesOwnStyleForSecondTimbre = true;

    // Voice
    FactoryValueChoice voiceAssign;
    FactoryValueChoice unison;
    FactoryValueRange unisonDetune { 10, 10 };
    FactoryValueChoice transpose;
    FactoryValueChoice portamento;
    FactoryValueRange portamentoTime { 0, 0 };
    FactoryValueRange vibrato { 0, 0 };

    // Oscillators
    FactoryValueChoice osc1Type;
    FactoryValueRange osc1Control1 { 0, 0 };
    FactoryValueRange osc1Control2 { 0, 0 };
    FactoryValueChoice osc2Type;
    FactoryValueChoice osc2Semitone;
    FactoryValueRange osc2Tune { 0, 0 };
    FactoryValueRange osc2Control1 { 0, 0 };
    FactoryValueChoice osc3Type;
    FactoryValueRange osc2Level { 127, 127 };
    FactoryValueRange osc3Level { 127, 127 };

    // Filter and envelopes
    FactoryValueChoice filterType;
    FactoryValueRange cutoff { 127, 127 };
    FactoryValueRange resonance { 0, 0 };
    FactoryValueRange filterEgIntensity { 0, 0 };
    FactoryValueRange filterAttack { 0, 0 };
    FactoryValueRange filterDecay { 64, 64 };
    FactoryValueRange filterSustain { 0, 0 };
    FactoryValueRange filterRelease { 0, 0 };
    FactoryValueRange ampAttack { 0, 0 };
    FactoryValueRange ampDecay { 64, 64 };
    FactoryValueRange ampSustain { 127, 127 };
    FactoryValueRange ampRelease { 0, 0 };
    FactoryValueChoice filterLfoWave;
    FactoryValueRange filterLfoFrequency { 40, 40 };
    FactoryValueRange filterLfoIntensity { 0, 0 };

    // Effects
    FactoryValueChoice preFxType;
    FactoryValueChoice preFxOn;
    FactoryValueRange preFxControl { 64, 64 };
    FactoryValueChoice modFxType;
    FactoryValueChoice modFxOn;
    FactoryValueRange modFxDepth { 64, 64 };
    FactoryValueRange modFxSpeed { 64, 64 };
    FactoryValueChoice revDelayType;
    FactoryValueChoice revDelayOn;
    FactoryValueRange revDelayDepth { 25, 25 };
    FactoryValueRange revDelayTime { 36, 36 };

    // Arpeggiator and vocoder
    FactoryValueChoice arpeggiatorOn;
    FactoryValueChoice arpeggiatorType;
    FactoryValueChoice arpeggiatorResolution;
    FactoryValueChoice tempo;
    FactoryValueRange arpeggiatorGate { 50, 50 };
    FactoryValueChoice octaveRange;
    bool vocoderOn = false;
};

/** A choice of the values listed (at most 12). */
constexpr FactoryValueChoice oneOf (std::initializer_list<int> values)
{
    FactoryValueChoice choice;

    for (const auto value : values)
        if (choice.numValues < static_cast<int> (choice.values.size()))
            choice.values[static_cast<std::size_t> (choice.numValues++)] = static_cast<std::int16_t> (value);

    return choice;
}

constexpr FactoryValueRange between (int low, int high) { return { low, high }; }

/** The recipe of a style. */
FactorySoundRecipe getFactorySoundRecipe (FactorySoundStyle style);

} // namespace xTV200_file
