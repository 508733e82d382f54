#include "file/FactoryProgramComposer.h"

#include "data/ParameterMap.h"
#include "data/ProgramParameterWriter.h"

namespace xTV200_file
{
namespace
{
using xTV200_data::ParameterId;

// Parameter groups and the indexes of the parameters inside them.
constexpr int commonGroup = 0, timbreAGroup = 2, timbreBGroup = 4, effectGroup = 6, vocoderGroup = 7,
              arpeggiatorGroup = 8;

namespace common
{
constexpr int firstNameCharacter = 0, category = 12, voiceMode = 13, splitKey = 15;
}

namespace timbre
{
constexpr int voiceAssign = 0, unison = 1, unisonDetune = 2, transpose = 4, vibrato = 7, portamento = 9,
              portamentoTime = 10;
constexpr int osc1Type = 12, osc1Control1 = 15, osc1Control2 = 16;
constexpr int osc2Type = 17, osc2Semitone = 18, osc2Tune = 19, osc2Control1 = 20;
constexpr int osc3Type = 22, osc2Level = 28, osc3Level = 29;
constexpr int filterType = 30, cutoff = 31, resonance = 32, filterEgIntensity = 33, filterLfoIntensity = 34;
constexpr int pan = 39;
constexpr int filterAttack = 42, filterDecay = 43, filterSustain = 44, filterRelease = 45;
constexpr int ampAttack = 47, ampDecay = 48, ampSustain = 49, ampRelease = 50;
constexpr int filterLfoWave = 52, filterLfoFrequency = 53;
} // namespace timbre

namespace effect
{
constexpr int preType = 0, preSwitch = 1, preControl = 2, modType = 3, modSwitch = 4, modDepth = 5,
              modSpeed = 6, revDelayType = 7, revDelaySwitch = 8, revDelayDepth = 9, revDelayTime = 10;
}

namespace arpeggiator
{
constexpr int on = 0, tempo = 1, timbreAssign = 4, type = 5, resolution = 6, gate = 7, octaveRange = 10;
}

constexpr int singleMode = 0, layerMode = 1;
constexpr int effectOnTimbreA = 1, effectOnBothTimbres = 3;
constexpr int arpeggiateTimbreA = 0, arpeggiateBothTimbres = 2;
constexpr int panLeftOfCentre = 44, panRightOfCentre = 84;
} // namespace

FactoryProgramComposer::FactoryProgramComposer (const FactoryProgramEntry& entryToCompose, int programNumber)
    : entry (entryToCompose)
    , randomState (0x5eed1234u ^ (static_cast<std::uint32_t> (programNumber) * 0x9e3779b9u))
{
}

bool FactoryProgramComposer::compose (xTV200_data::ProgramData& program)
{
    program.initialize();
    allValuesFit = true;

    const auto recipe = getFactorySoundRecipe (entry.style);
    writeNameAndCommon (program, recipe);
    writeTimbre (program, timbreAGroup, recipe);

    // Timbre B plays only in Layer and Split; in Single it stays initial.
    if (voiceMode != singleMode)
    {
        const auto secondRecipe = recipe.usesOwnStyleForSecondTimbre ? recipe
                                                                     : getFactorySoundRecipe (recipe.secondTimbreStyle);
        writeTimbre (program, timbreBGroup, secondRecipe);

        if (voiceMode == layerMode)
        {
            write (program, { timbreAGroup, timbre::pan }, panLeftOfCentre);
            write (program, { timbreBGroup, timbre::pan }, panRightOfCentre);
        }
    }

    writeEffects (program, recipe);
    writeArpeggiatorAndVocoder (program, recipe);
    return allValuesFit;
}

void FactoryProgramComposer::writeNameAndCommon (xTV200_data::ProgramData& program,
                                                 const FactorySoundRecipe& recipe)
{
    const juce::String name (entry.name);

    if (name.length() > xTV200_data::ProgramData::nameLength)
        allValuesFit = false;

    // The synthesizer pads names with blanks; 0 is not a name character.
    for (int i = 0; i < xTV200_data::ProgramData::nameLength; ++i)
        write (program, { commonGroup, common::firstNameCharacter + i },
               i < name.length() ? static_cast<int> (name[i]) : ' ');

    write (program, { commonGroup, common::category }, entry.category);
    voiceMode = pick (recipe.voiceMode);
    write (program, { commonGroup, common::voiceMode }, voiceMode < 0 ? singleMode : voiceMode);
    voiceMode = juce::jmax (voiceMode, singleMode);

    if (voiceMode != singleMode)
        write (program, { commonGroup, common::splitKey }, recipe.splitKey);
}

void FactoryProgramComposer::writeTimbre (xTV200_data::ProgramData& program, int group,
                                          const FactorySoundRecipe& recipe)
{
    write (program, { group, timbre::voiceAssign }, recipe.voiceAssign);
    write (program, { group, timbre::unison }, recipe.unison);
    write (program, { group, timbre::unisonDetune }, recipe.unisonDetune);
    write (program, { group, timbre::transpose }, recipe.transpose);
    write (program, { group, timbre::vibrato }, recipe.vibrato);
    write (program, { group, timbre::portamento }, recipe.portamento);
    write (program, { group, timbre::portamentoTime }, recipe.portamentoTime);
    writeOscillators (program, group, recipe);
    writeFilterAndEnvelopes (program, group, recipe);
}

void FactoryProgramComposer::writeOscillators (xTV200_data::ProgramData& program, int group,
                                               const FactorySoundRecipe& recipe)
{
    // Each type goes in before its controls: the type chooses the controls' records.
    write (program, { group, timbre::osc1Type }, recipe.osc1Type);
    writeControl (program, { group, timbre::osc1Control1 }, recipe.osc1Control1);
    writeControl (program, { group, timbre::osc1Control2 }, recipe.osc1Control2);

    write (program, { group, timbre::osc2Type }, recipe.osc2Type);
    write (program, { group, timbre::osc2Semitone }, recipe.osc2Semitone);
    write (program, { group, timbre::osc2Tune }, recipe.osc2Tune);
    writeControl (program, { group, timbre::osc2Control1 }, recipe.osc2Control1);
    write (program, { group, timbre::osc2Level }, recipe.osc2Level);

    write (program, { group, timbre::osc3Type }, recipe.osc3Type);
    write (program, { group, timbre::osc3Level }, recipe.osc3Level);
}

void FactoryProgramComposer::writeFilterAndEnvelopes (xTV200_data::ProgramData& program, int group,
                                                      const FactorySoundRecipe& recipe)
{
    write (program, { group, timbre::filterType }, recipe.filterType);
    write (program, { group, timbre::cutoff }, recipe.cutoff);
    write (program, { group, timbre::resonance }, recipe.resonance);
    write (program, { group, timbre::filterEgIntensity }, recipe.filterEgIntensity);
    write (program, { group, timbre::filterAttack }, recipe.filterAttack);
    write (program, { group, timbre::filterDecay }, recipe.filterDecay);
    write (program, { group, timbre::filterSustain }, recipe.filterSustain);
    write (program, { group, timbre::filterRelease }, recipe.filterRelease);
    write (program, { group, timbre::ampAttack }, recipe.ampAttack);
    write (program, { group, timbre::ampDecay }, recipe.ampDecay);
    write (program, { group, timbre::ampSustain }, recipe.ampSustain);
    write (program, { group, timbre::ampRelease }, recipe.ampRelease);
    write (program, { group, timbre::filterLfoWave }, recipe.filterLfoWave);
    write (program, { group, timbre::filterLfoFrequency }, recipe.filterLfoFrequency);
    write (program, { group, timbre::filterLfoIntensity }, recipe.filterLfoIntensity);
}

void FactoryProgramComposer::writeEffects (xTV200_data::ProgramData& program, const FactorySoundRecipe& recipe)
{
    const auto onValue = voiceMode == singleMode ? effectOnTimbreA : effectOnBothTimbres;
    const auto switchValue = [this, onValue] (const FactoryValueChoice& on) { return pick (on) > 0 ? onValue : 0; };

    write (program, { effectGroup, effect::preType }, recipe.preFxType);
    write (program, { effectGroup, effect::preSwitch }, switchValue (recipe.preFxOn));
    write (program, { effectGroup, effect::preControl }, recipe.preFxControl);
    write (program, { effectGroup, effect::modType }, recipe.modFxType);
    write (program, { effectGroup, effect::modSwitch }, switchValue (recipe.modFxOn));
    write (program, { effectGroup, effect::modDepth }, recipe.modFxDepth);
    write (program, { effectGroup, effect::modSpeed }, recipe.modFxSpeed);
    write (program, { effectGroup, effect::revDelayType }, recipe.revDelayType);
    write (program, { effectGroup, effect::revDelaySwitch }, switchValue (recipe.revDelayOn));
    write (program, { effectGroup, effect::revDelayDepth }, recipe.revDelayDepth);
    write (program, { effectGroup, effect::revDelayTime }, recipe.revDelayTime);
}

void FactoryProgramComposer::writeArpeggiatorAndVocoder (xTV200_data::ProgramData& program,
                                                         const FactorySoundRecipe& recipe)
{
    if (pick (recipe.arpeggiatorOn) > 0)
    {
        write (program, { arpeggiatorGroup, arpeggiator::on }, 1);
        write (program, { arpeggiatorGroup, arpeggiator::tempo }, recipe.tempo);
        write (program, { arpeggiatorGroup, arpeggiator::timbreAssign },
               voiceMode == layerMode ? arpeggiateBothTimbres : arpeggiateTimbreA);
        write (program, { arpeggiatorGroup, arpeggiator::type }, recipe.arpeggiatorType);
        write (program, { arpeggiatorGroup, arpeggiator::resolution }, recipe.arpeggiatorResolution);
        write (program, { arpeggiatorGroup, arpeggiator::gate }, recipe.arpeggiatorGate);
        write (program, { arpeggiatorGroup, arpeggiator::octaveRange }, recipe.octaveRange);
    }

    if (recipe.vocoderOn)
        write (program, { vocoderGroup, 0 }, 1);
}

void FactoryProgramComposer::write (xTV200_data::ProgramData& program, ParameterId id, int value)
{
    if (! xTV200_data::writeProgramParameterValue (program, id, value))
        allValuesFit = false;
}

void FactoryProgramComposer::write (xTV200_data::ProgramData& program, ParameterId id,
                                    const FactoryValueChoice& choice)
{
    // A recipe that offers no value leaves the initial program's.
    if (choice.numValues > 0)
        write (program, id, pick (choice));
}

void FactoryProgramComposer::write (xTV200_data::ProgramData& program, ParameterId id, FactoryValueRange range)
{
    write (program, id, pick (range));
}

void FactoryProgramComposer::writeControl (xTV200_data::ProgramData& program, ParameterId id,
                                           FactoryValueRange amounts)
{
    const auto amount = pick (amounts);
    xTV200_data::ParameterInfo info;

    // A control the chosen type does not use has no bytes: nothing to set.
    if (! xTV200_data::getParameterInfo (id, { program.getBytes(), xTV200_data::ProgramData::numBytes }, info)
        || info.byteCount == 0)
        return;

    // Signed controls (detune, pitch, gain) take the amount on their positive side.
    const auto low = juce::jmax (0, static_cast<int> (info.minimum));
    write (program, id, low + amount * (info.maximum - low) / 127);
}

int FactoryProgramComposer::pick (const FactoryValueChoice& choice)
{
    if (choice.numValues <= 0)
        return -1;

    return choice.values[static_cast<size_t> (nextRandom() % static_cast<std::uint32_t> (choice.numValues))];
}

int FactoryProgramComposer::pick (FactoryValueRange range)
{
    if (range.high <= range.low)
        return range.low;

    const auto span = static_cast<std::uint32_t> (range.high - range.low + 1);
    return range.low + static_cast<int> (nextRandom() % span);
}

std::uint32_t FactoryProgramComposer::nextRandom() noexcept
{
    // A 32-bit mix of a Weyl sequence: plain arithmetic, the same everywhere.
    randomState += 0x9e3779b9u;
    auto z = randomState;
    z = (z ^ (z >> 16)) * 0x85ebca6bu;
    z = (z ^ (z >> 13)) * 0xc2b2ae35u;
    return z ^ (z >> 16);
}

} // namespace xTV200_file
