#include "file/FactorySoundRecipe.h"

namespace xTV200_file
{
namespace
{
// Oscillator types, as the Type parameter stores them.
namespace osc
{
constexpr int off = 0, saw = 1, pulse = 2, triangle = 3, sine = 4;
constexpr int whiteNoise = 5, pinkNoise = 6, blueNoise = 7, resonantNoise = 8;
constexpr int dualSaw = 9, dualSquare = 10, dualTriangle = 11, dualSine = 12;
constexpr int unisonSaw = 13, unisonSquare = 14, unisonTriangle = 15;
constexpr int syncSaw = 17, syncSquare = 18, syncTriangle = 19;
constexpr int ringSaw = 21, ringSquare = 22, ringTriangle = 23, ringSine = 24;
constexpr int crossModSaw = 25, crossModSquare = 26, crossModTriangle = 27, crossModSine = 28;
constexpr int vpmSaw = 29, vpmSquare = 30, vpmTriangle = 31, vpmSine = 32;
constexpr int synSine3 = 35, synWave1 = 42, synWave4 = 45, synWire1 = 49, synWire3 = 51;
constexpr int fifthSaw = 53, inharm1 = 55, inharm5 = 59, digital1 = 64, digital4 = 67, digital7 = 70;
constexpr int dwgsEPiano1 = 73, dwgsEPiano2 = 74, dwgsEPiano3 = 75, dwgsEPiano4 = 76;
constexpr int dwgsOrgan1 = 77, dwgsOrgan3 = 79, dwgsOrgan5 = 81, dwgsOrgan7 = 83;
constexpr int dwgsClav1 = 84, dwgsClav2 = 85, dwgsGuitar1 = 86, dwgsGuitar2 = 87;
constexpr int dwgsBass1 = 88, dwgsBass2 = 89, dwgsBass3 = 90;
constexpr int dwgsBell1 = 91, dwgsBell2 = 92, dwgsBell3 = 93, dwgsBell4 = 94, synVox1 = 95, synVox2 = 96;
constexpr int acousticPiano = 97, electricGrand = 98, tineEP = 99, dynoEP = 100, reedEP = 101;
constexpr int pcmClav1 = 102, pcmClav2 = 103, pcmOrgan1 = 104, pcmOrgan2 = 105, pcmOrgan3 = 106;
constexpr int q9Organ = 107, comboOrgan = 108, marimba = 109, pcmBell1 = 110, pcmBell2 = 111;
constexpr int tapeFlute = 112, brass1 = 113, brass2 = 114, trumpet = 115, pcmStrings = 116, tapeStrings = 117;
constexpr int choir1 = 118, choir2 = 119, choir3 = 120, acousticGuitar = 121, electricGuitar = 122;
constexpr int acousticBass = 123, pcmBass1 = 124, pcmBass2 = 125, pcmBass3 = 126, audioInput = 127;
} // namespace osc

// Filter types.
namespace filter
{
constexpr int lpfTolm1 = 0, lpfTolm2 = 1, lpfMg = 2, lpfP5 = 3, lpfOb = 4, lpfZq = 5, lpfAcid = 6;
constexpr int hpfTolm = 7, hpfP5 = 8, hpfOb = 9, hpfZq = 10, hpfAcid = 11;
constexpr int bpfTolm = 12, bpfP5 = 13, bpfOb = 14, bpfZq = 15, bpfAcid = 16, bpfPlusTolm = 17;
} // namespace filter

// Effect types.
namespace fx
{
constexpr int distortion = 0, decimator = 1, ringMod = 2, epAmp = 3, guitarAmp = 4, tone = 5;
constexpr int flanger = 0, chorus = 1, uVibe = 2, tremolo = 3, phaser = 4, rotary = 5;
constexpr int hall = 0, room = 1, plate = 2, tapeEcho = 3, modDelay = 4, bpmDelay = 5;
} // namespace fx

constexpr int mono1 = 0, mono2 = 1, poly = 2;
constexpr int single = 0, layer = 1, split = 2;

/** What most programs share: a polyphonic voice, a hall, everything else off. */
FactorySoundRecipe common()
{
    FactorySoundRecipe r;
    r.voiceMode = oneOf ({ single });
    r.voiceAssign = oneOf ({ poly });
    r.unison = oneOf ({ 0 });
    r.transpose = oneOf ({ 0 });
    r.portamento = oneOf ({ 0 });
    r.osc1Type = oneOf ({ osc::saw });
    r.osc2Type = oneOf ({ osc::off });
    r.osc2Semitone = oneOf ({ 0 });
    r.osc3Type = oneOf ({ osc::off });
    r.filterType = oneOf ({ filter::lpfTolm1, filter::lpfTolm2 });
    r.filterLfoWave = oneOf ({ 2 });
    r.preFxType = oneOf ({ fx::distortion, fx::tone });
    r.preFxOn = oneOf ({ 0 });
    r.modFxType = oneOf ({ fx::chorus });
    r.modFxOn = oneOf ({ 0 });
    r.revDelayType = oneOf ({ fx::hall, fx::room, fx::plate });
    r.revDelayOn = oneOf ({ 1 });
    r.revDelayDepth = between (18, 45);
    r.revDelayTime = between (30, 80);
    r.arpeggiatorOn = oneOf ({ 0 });
    return r;
}

FactorySoundRecipe pad (FactoryValueChoice oscillators)
{
    auto r = common();
    r.osc1Type = oscillators;
    r.cutoff = between (50, 90);
    r.resonance = between (5, 40);
    r.filterEgIntensity = between (5, 30);
    r.filterAttack = between (40, 90);
    r.filterDecay = between (60, 110);
    r.filterSustain = between (40, 100);
    r.filterRelease = between (60, 100);
    r.ampAttack = between (50, 95);
    r.ampDecay = between (70, 110);
    r.ampSustain = between (100, 127);
    r.ampRelease = between (70, 105);
    r.modFxType = oneOf ({ fx::chorus, fx::flanger, fx::phaser });
    r.modFxOn = oneOf ({ 0, 1, 1 });
    r.modFxDepth = between (40, 90);
    r.modFxSpeed = between (10, 50);
    r.revDelayType = oneOf ({ fx::hall, fx::hall, fx::plate, fx::modDelay });
    r.revDelayDepth = between (35, 70);
    r.revDelayTime = between (60, 110);
    r.voiceMode = oneOf ({ single, single, layer });
    return r;
}

FactorySoundRecipe lead (FactoryValueChoice oscillators)
{
    auto r = common();
    r.voiceAssign = oneOf ({ mono1, mono2 });
    r.portamento = oneOf ({ 0, 1 });
    r.portamentoTime = between (10, 50);
    r.vibrato = between (0, 20);
    r.osc1Type = oscillators;
    r.osc1Control1 = between (30, 110);
    r.osc1Control2 = between (20, 100);
    r.osc2Type = oneOf ({ osc::off, osc::saw, osc::pulse });
    r.osc2Semitone = oneOf ({ 0, 12, 7, -12 });
    r.osc2Tune = between (-8, 8);
    r.osc2Level = between (60, 110);
    r.filterType = oneOf ({ filter::lpfTolm1, filter::lpfMg, filter::lpfP5, filter::lpfOb });
    r.cutoff = between (60, 105);
    r.resonance = between (10, 55);
    r.filterEgIntensity = between (10, 40);
    r.filterDecay = between (40, 80);
    r.filterSustain = between (40, 90);
    r.filterRelease = between (20, 50);
    r.ampDecay = between (50, 90);
    r.ampRelease = between (15, 45);
    r.preFxOn = oneOf ({ 0, 1 });
    r.preFxControl = between (20, 70);
    r.revDelayType = oneOf ({ fx::tapeEcho, fx::bpmDelay, fx::modDelay, fx::hall });
    r.revDelayDepth = between (20, 50);
    return r;
}

FactorySoundRecipe bass (FactoryValueChoice oscillators)
{
    auto r = common();
    r.voiceAssign = oneOf ({ mono1, mono2 });
    r.transpose = oneOf ({ 0, -12 });
    r.osc1Type = oscillators;
    r.osc1Control1 = between (20, 90);
    r.osc2Type = oneOf ({ osc::off, osc::saw, osc::pulse, osc::sine });
    r.osc2Semitone = oneOf ({ -12, 0, -12 });
    r.osc2Level = between (70, 120);
    r.filterType = oneOf ({ filter::lpfTolm1, filter::lpfMg, filter::lpfOb, filter::lpfZq });
    r.cutoff = between (25, 65);
    r.resonance = between (0, 45);
    r.filterEgIntensity = between (20, 50);
    r.filterDecay = between (30, 70);
    r.filterSustain = between (0, 40);
    r.filterRelease = between (5, 25);
    r.ampDecay = between (40, 80);
    r.ampSustain = between (70, 127);
    r.ampRelease = between (5, 20);
    r.preFxOn = oneOf ({ 0, 0, 1 });
    r.preFxControl = between (15, 60);
    r.revDelayOn = oneOf ({ 0, 0, 1 });
    r.revDelayType = oneOf ({ fx::room });
    r.revDelayDepth = between (10, 25);
    return r;
}

FactorySoundRecipe keys (FactoryValueChoice oscillators)
{
    auto r = common();
    r.osc1Type = oscillators;
    r.cutoff = between (85, 127);
    r.resonance = between (0, 15);
    r.filterEgIntensity = between (0, 20);
    r.filterDecay = between (50, 90);
    r.ampDecay = between (70, 105);
    r.ampSustain = between (0, 60);
    r.ampRelease = between (25, 55);
    r.revDelayType = oneOf ({ fx::room, fx::hall, fx::plate });
    return r;
}

FactorySoundRecipe brass (FactoryValueChoice oscillators)
{
    auto r = common();
    r.osc1Type = oscillators;
    r.osc2Type = oneOf ({ osc::off, osc::saw, osc::dualSaw });
    r.osc2Tune = between (-10, 10);
    r.osc2Level = between (70, 110);
    r.filterType = oneOf ({ filter::lpfTolm1, filter::lpfTolm2, filter::lpfP5, filter::lpfOb });
    r.cutoff = between (40, 75);
    r.resonance = between (0, 25);
    r.filterEgIntensity = between (25, 50);
    r.filterAttack = between (10, 45);
    r.filterDecay = between (50, 85);
    r.filterSustain = between (40, 80);
    r.filterRelease = between (20, 50);
    r.ampAttack = between (5, 30);
    r.ampSustain = between (90, 127);
    r.ampRelease = between (20, 50);
    r.modFxOn = oneOf ({ 0, 1 });
    r.modFxDepth = between (30, 60);
    return r;
}

FactorySoundRecipe effect (FactoryValueChoice oscillators)
{
    auto r = common();
    r.osc1Type = oscillators;
    r.osc1Control1 = between (20, 120);
    r.osc1Control2 = between (20, 120);
    r.filterType = oneOf ({ filter::bpfTolm, filter::bpfP5, filter::hpfTolm, filter::lpfZq, filter::bpfPlusTolm });
    r.cutoff = between (30, 110);
    r.resonance = between (30, 100);
    r.filterEgIntensity = between (-40, 40);
    r.filterAttack = between (20, 110);
    r.filterDecay = between (60, 120);
    r.filterSustain = between (20, 100);
    r.filterRelease = between (40, 110);
    r.ampAttack = between (0, 90);
    r.ampDecay = between (60, 120);
    r.ampRelease = between (40, 110);
    r.filterLfoWave = oneOf ({ 0, 1, 2, 3, 4 });
    r.filterLfoFrequency = between (10, 110);
    r.filterLfoIntensity = between (10, 50);
    r.preFxType = oneOf ({ fx::decimator, fx::ringMod, fx::distortion });
    r.preFxOn = oneOf ({ 0, 1, 1 });
    r.preFxControl = between (30, 110);
    r.modFxType = oneOf ({ fx::flanger, fx::phaser, fx::uVibe });
    r.modFxOn = oneOf ({ 0, 1 });
    r.modFxDepth = between (50, 120);
    r.modFxSpeed = between (10, 100);
    r.revDelayType = oneOf ({ fx::hall, fx::modDelay, fx::tapeEcho, fx::bpmDelay });
    r.revDelayDepth = between (40, 80);
    r.revDelayTime = between (50, 120);
    return r;
}

FactorySoundRecipe arpeggiated (FactoryValueChoice oscillators)
{
    auto r = common();
    r.osc1Type = oscillators;
    r.filterType = oneOf ({ filter::lpfTolm1, filter::lpfAcid, filter::lpfMg, filter::bpfTolm });
    r.cutoff = between (45, 90);
    r.resonance = between (15, 60);
    r.filterEgIntensity = between (15, 45);
    r.filterDecay = between (30, 60);
    r.ampDecay = between (35, 65);
    r.ampSustain = between (0, 40);
    r.ampRelease = between (15, 40);
    r.revDelayType = oneOf ({ fx::bpmDelay, fx::tapeEcho, fx::modDelay });
    r.revDelayDepth = between (25, 55);
    r.arpeggiatorOn = oneOf ({ 1 });
    r.arpeggiatorType = oneOf ({ 0, 1, 2, 3, 4, 5 });
    r.arpeggiatorResolution = oneOf ({ 2, 4, 3, 0 });
    r.tempo = oneOf ({ 100, 110, 118, 120, 124, 128, 132, 140 });
    r.arpeggiatorGate = between (25, 80);
    r.octaveRange = oneOf ({ 1, 2, 3, 4 });
    return r;
}

FactorySoundRecipe bassRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::acidBass:
    {
        auto r = bass (oneOf ({ osc::saw, osc::pulse }));
        r.osc2Type = oneOf ({ osc::off });
        r.filterType = oneOf ({ filter::lpfAcid });
        r.resonance = between (70, 115);
        r.filterEgIntensity = between (35, 60);
        r.portamento = oneOf ({ 1 });
        r.portamentoTime = between (10, 30);
        r.preFxOn = oneOf ({ 0, 1 });
        r.revDelayType = oneOf ({ fx::bpmDelay, fx::tapeEcho });
        return r;
    }
    case S::subBass:
    {
        auto r = bass (oneOf ({ osc::sine, osc::triangle, osc::dualSine }));
        r.osc2Type = oneOf ({ osc::off, osc::sine });
        r.filterType = oneOf ({ filter::lpfTolm2, filter::lpfMg });
        r.cutoff = between (20, 45);
        r.resonance = between (0, 10);
        r.preFxOn = oneOf ({ 0 });
        r.revDelayOn = oneOf ({ 0 });
        return r;
    }
    case S::crossModBass:
    {
        auto r = bass (oneOf ({ osc::crossModSaw, osc::crossModSquare, osc::vpmSaw, osc::vpmSine,
                                osc::ringSaw, osc::unisonSaw }));
        r.osc1Control1 = between (40, 110);
        r.osc1Control2 = between (10, 90);
        r.filterLfoWave = oneOf ({ 0, 2, 3 });
        r.filterLfoFrequency = between (35, 60);
        r.filterLfoIntensity = between (0, 40);
        r.preFxType = oneOf ({ fx::distortion, fx::guitarAmp, fx::decimator });
        r.preFxOn = oneOf ({ 0, 1, 1 });
        return r;
    }
    case S::sampledBass:
    {
        auto r = bass (oneOf ({ osc::acousticBass, osc::pcmBass1, osc::pcmBass2, osc::pcmBass3,
                                osc::dwgsBass1, osc::dwgsBass2, osc::dwgsBass3 }));
        r.transpose = oneOf ({ 0 });
        r.osc2Type = oneOf ({ osc::off });
        r.cutoff = between (60, 100);
        r.filterEgIntensity = between (5, 20);
        r.ampSustain = between (0, 50);
        r.ampDecay = between (70, 95);
        return r;
    }
    default:
    {
        auto r = bass (oneOf ({ osc::saw, osc::pulse, osc::dualSaw, osc::dualSquare, osc::triangle }));
        r.osc1Control1 = between (30, 100);
        return r;
    }
    }
}

FactorySoundRecipe padRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::pulsePad:
    {
        auto r = pad (oneOf ({ osc::pulse, osc::dualSquare, osc::unisonSquare }));
        r.osc1Control1 = between (30, 100);
        r.filterLfoIntensity = between (0, 15);
        r.modFxType = oneOf ({ fx::chorus });
        r.modFxOn = oneOf ({ 1 });
        return r;
    }
    case S::polySynth:
    {
        auto r = pad (oneOf ({ osc::saw, osc::dualSaw, osc::pulse, osc::unisonSaw, osc::fifthSaw }));
        r.osc2Type = oneOf ({ osc::off, osc::saw, osc::pulse });
        r.osc2Tune = between (-12, 12);
        r.osc2Level = between (70, 120);
        r.filterType = oneOf ({ filter::lpfTolm1, filter::lpfP5, filter::lpfOb });
        r.filterAttack = between (0, 10);
        r.filterDecay = between (40, 80);
        r.ampAttack = between (0, 8);
        r.ampDecay = between (50, 90);
        r.ampSustain = between (40, 127);
        r.ampRelease = between (20, 60);
        r.voiceMode = oneOf ({ single });
        return r;
    }
    case S::sweepPad:
    {
        auto r = pad (oneOf ({ osc::saw, osc::dualSaw, osc::unisonSaw }));
        r.filterType = oneOf ({ filter::lpfTolm2, filter::lpfMg, filter::bpfTolm, filter::lpfZq });
        r.resonance = between (45, 95);
        r.filterEgIntensity = between (25, 55);
        r.filterAttack = between (80, 120);
        r.filterLfoWave = oneOf ({ 2, 0 });
        r.filterLfoFrequency = between (5, 30);
        r.filterLfoIntensity = between (15, 40);
        return r;
    }
    case S::digitalPad:
        return pad (oneOf ({ osc::synWave1, osc::synWave4, osc::synWire1, osc::synWire3, osc::inharm1,
                             osc::inharm5, osc::digital1, osc::digital4, osc::digital7, osc::vpmSine,
                             osc::vpmTriangle, osc::synSine3 }));
    case S::layeredPad:
    {
        auto r = pad (oneOf ({ osc::unisonSaw, osc::saw, osc::dualSaw }));
        r.voiceMode = oneOf ({ layer });
        r.usesOwnStyleForSecondTimbre = false;
        r.secondTimbreStyle = S::digitalPad;
        return r;
    }
    default:
        return pad (oneOf ({ osc::saw, osc::dualSaw, osc::unisonSaw }));
    }
}

FactorySoundRecipe leadRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::syncLead:
    {
        auto r = lead (oneOf ({ osc::syncSaw, osc::syncSquare, osc::syncTriangle }));
        r.osc1Control1 = between (40, 120);
        return r;
    }
    case S::unisonLead:
    {
        auto r = lead (oneOf ({ osc::unisonSaw, osc::dualSaw, osc::saw }));
        r.unison = oneOf ({ 1, 2, 3 });
        r.unisonDetune = between (10, 40);
        r.voiceAssign = oneOf ({ mono2, poly });
        r.modFxType = oneOf ({ fx::chorus, fx::flanger });
        r.modFxOn = oneOf ({ 1 });
        return r;
    }
    case S::squareLead:
    {
        auto r = lead (oneOf ({ osc::pulse, osc::triangle, osc::sine, osc::dualSquare, osc::ringSquare,
                                osc::crossModTriangle, osc::vpmSquare, osc::tapeFlute, osc::ringSine,
                                osc::crossModSine }));
        r.osc2Type = oneOf ({ osc::off, osc::triangle, osc::pulse });
        r.filterType = oneOf ({ filter::lpfTolm1, filter::lpfTolm2, filter::bpfOb, filter::lpfZq });
        return r;
    }
    default:
        return lead (oneOf ({ osc::saw, osc::dualSaw, osc::pulse }));
    }
}

FactorySoundRecipe brassRecipe (FactorySoundStyle style)
{
    if (style == FactorySoundStyle::sampledBrass)
    {
        auto r = brass (oneOf ({ osc::brass1, osc::brass2, osc::trumpet }));
        r.osc2Type = oneOf ({ osc::off, osc::brass1, osc::brass2 });
        r.cutoff = between (70, 110);
        r.filterEgIntensity = between (10, 30);
        r.vibrato = between (0, 12);
        return r;
    }

    auto r = brass (oneOf ({ osc::saw, osc::dualSaw, osc::unisonSaw, osc::syncSaw }));
    r.osc1Control1 = between (30, 80);
    return r;
}

FactorySoundRecipe stringRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::synthStrings:
    {
        auto r = pad (oneOf ({ osc::saw, osc::pulse, osc::unisonSaw, osc::dualSaw }));
        r.osc1Control1 = between (30, 90);
        r.filterType = oneOf ({ filter::lpfTolm2, filter::lpfP5, filter::hpfTolm });
        r.resonance = between (0, 20);
        r.ampAttack = between (30, 70);
        r.modFxType = oneOf ({ fx::chorus, fx::phaser });
        r.modFxOn = oneOf ({ 1 });
        return r;
    }
    case S::choir:
    {
        auto r = pad (oneOf ({ osc::choir1, osc::choir2, osc::choir3, osc::synVox1, osc::synVox2 }));
        r.cutoff = between (70, 110);
        r.filterEgIntensity = between (0, 15);
        r.revDelayType = oneOf ({ fx::hall });
        r.revDelayDepth = between (50, 80);
        return r;
    }
    default:
    {
        auto r = pad (oneOf ({ osc::pcmStrings, osc::tapeStrings, osc::pcmStrings }));
        r.osc2Type = oneOf ({ osc::off, osc::unisonSaw, osc::tapeStrings });
        r.osc2Semitone = oneOf ({ 0, 12, -12 });
        r.osc2Level = between (50, 100);
        r.cutoff = between (75, 115);
        r.ampAttack = between (25, 70);
        r.modFxType = oneOf ({ fx::chorus });
        return r;
    }
    }
}

FactorySoundRecipe keyboardRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::acousticPiano:
    {
        auto r = keys (oneOf ({ osc::acousticPiano, osc::acousticPiano, osc::electricGrand }));
        r.ampDecay = between (90, 115);
        r.ampSustain = between (0, 30);
        r.preFxType = oneOf ({ fx::tone });
        r.preFxOn = oneOf ({ 0, 1 });
        return r;
    }
    case S::electricPiano:
    {
        auto r = keys (oneOf ({ osc::tineEP, osc::dynoEP, osc::reedEP, osc::dwgsEPiano1, osc::dwgsEPiano2,
                                osc::dwgsEPiano3, osc::dwgsEPiano4 }));
        r.preFxType = oneOf ({ fx::epAmp });
        r.preFxOn = oneOf ({ 1 });
        r.preFxControl = between (20, 70);
        r.modFxType = oneOf ({ fx::tremolo, fx::chorus, fx::phaser, fx::uVibe });
        r.modFxOn = oneOf ({ 1 });
        r.modFxDepth = between (30, 80);
        r.modFxSpeed = between (30, 70);
        return r;
    }
    case S::pianoStrings:
    {
        auto r = keys (oneOf ({ osc::acousticPiano, osc::electricGrand }));
        r.voiceMode = oneOf ({ layer });
        r.usesOwnStyleForSecondTimbre = false;
        r.secondTimbreStyle = S::stringEnsemble;
        r.revDelayType = oneOf ({ fx::hall });
        return r;
    }
    case S::organ:
    {
        auto r = keys (oneOf ({ osc::dwgsOrgan1, osc::dwgsOrgan3, osc::dwgsOrgan5, osc::dwgsOrgan7,
                                osc::pcmOrgan1, osc::pcmOrgan2, osc::pcmOrgan3, osc::q9Organ, osc::comboOrgan }));
        r.ampDecay = between (64, 64);
        r.ampSustain = between (127, 127);
        r.ampRelease = between (5, 20);
        r.preFxType = oneOf ({ fx::guitarAmp, fx::distortion, fx::tone });
        r.preFxOn = oneOf ({ 0, 1 });
        r.preFxControl = between (10, 50);
        r.modFxType = oneOf ({ fx::rotary, fx::rotary, fx::uVibe });
        r.modFxOn = oneOf ({ 1 });
        return r;
    }
    case S::clav:
    {
        auto r = keys (oneOf ({ osc::dwgsClav1, osc::dwgsClav2, osc::pcmClav1, osc::pcmClav2 }));
        r.filterType = oneOf ({ filter::lpfTolm1, filter::bpfTolm, filter::lpfOb });
        r.resonance = between (10, 50);
        r.filterEgIntensity = between (15, 40);
        r.preFxType = oneOf ({ fx::guitarAmp });
        r.preFxOn = oneOf ({ 0, 1 });
        r.modFxType = oneOf ({ fx::phaser, fx::uVibe, fx::flanger });
        r.modFxOn = oneOf ({ 0, 1 });
        return r;
    }
    case S::bell:
        return keys (oneOf ({ osc::dwgsBell1, osc::dwgsBell2, osc::dwgsBell3, osc::dwgsBell4, osc::pcmBell1,
                              osc::pcmBell2, osc::ringSine, osc::vpmSine }));
    case S::mallet:
    {
        auto r = keys (oneOf ({ osc::marimba, osc::marimba, osc::dwgsBell2, osc::vpmTriangle, osc::inharm1 }));
        r.ampDecay = between (55, 85);
        r.ampSustain = between (0, 10);
        r.ampRelease = between (20, 45);
        return r;
    }
    default: // plucked strings
    {
        auto r = keys (oneOf ({ osc::acousticGuitar, osc::electricGuitar, osc::dwgsGuitar1, osc::dwgsGuitar2,
                                osc::pcmStrings }));
        r.ampDecay = between (60, 95);
        r.ampSustain = between (0, 20);
        return r;
    }
    }
}

FactorySoundRecipe effectRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::noiseEffect:
        return effect (oneOf ({ osc::whiteNoise, osc::pinkNoise, osc::blueNoise, osc::resonantNoise }));
    case S::ringEffect:
        return effect (oneOf ({ osc::ringSaw, osc::ringSquare, osc::ringTriangle, osc::crossModSaw,
                                osc::crossModSquare, osc::inharm5, osc::digital7 }));
    case S::vocoder:
    case S::audioInput:
    {
        auto r = pad (oneOf ({ osc::saw, osc::pulse, osc::unisonSaw, osc::dualSaw }));
        r.cutoff = between (90, 127);
        r.ampAttack = between (0, 20);
        r.vocoderOn = true;
        r.voiceMode = oneOf ({ single });

        if (style == S::audioInput)
            r.osc1Type = oneOf ({ osc::audioInput });

        return r;
    }
    default: // voice pads
        return pad (oneOf ({ osc::synVox1, osc::synVox2, osc::choir3, osc::choir1 }));
    }
}

FactorySoundRecipe userRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::arpeggio:
        return arpeggiated (oneOf ({ osc::saw, osc::pulse, osc::syncSaw, osc::dwgsBell1, osc::vpmSine,
                                     osc::marimba, osc::digital1 }));
    case S::pluck:
    {
        auto r = arpeggiated (oneOf ({ osc::saw, osc::pulse, osc::dualSaw, osc::vpmTriangle }));
        r.arpeggiatorOn = oneOf ({ 0 });
        r.ampRelease = between (30, 60);
        return r;
    }
    default:
    {
        auto r = common();
        r.revDelayOn = oneOf ({ 0 });

        if (style == S::splitTemplate)
            r.voiceMode = oneOf ({ split });
        else if (style == S::layerTemplate)
            r.voiceMode = oneOf ({ layer });
        else if (style == S::arpTemplate)
            r.arpeggiatorOn = oneOf ({ 1 });
        else if (style == S::vocoderTemplate)
            r.vocoderOn = true;

        return r;
    }
    }
}
} // namespace

FactorySoundRecipe getFactorySoundRecipe (FactorySoundStyle style)
{
    using S = FactorySoundStyle;

    switch (style)
    {
    case S::sawPad: case S::pulsePad: case S::polySynth: case S::sweepPad: case S::digitalPad: case S::layeredPad:
        return padRecipe (style);
    case S::syncLead: case S::monoLead: case S::unisonLead: case S::squareLead:
        return leadRecipe (style);
    case S::analogBass: case S::acidBass: case S::subBass: case S::crossModBass: case S::sampledBass:
        return bassRecipe (style);
    case S::synthBrass: case S::sampledBrass:
        return brassRecipe (style);
    case S::stringEnsemble: case S::synthStrings: case S::choir:
        return stringRecipe (style);
    case S::acousticPiano: case S::electricPiano: case S::pianoStrings: case S::organ: case S::clav:
    case S::bell: case S::mallet: case S::pluckedString:
        return keyboardRecipe (style);
    case S::noiseEffect: case S::ringEffect: case S::vocoder: case S::audioInput: case S::voicePad:
        return effectRecipe (style);
    case S::arpeggio: case S::pluck: case S::initTemplate: case S::splitTemplate: case S::layerTemplate:
    case S::arpTemplate: case S::vocoderTemplate:
        return userRecipe (style);
    }

    return common();
}

} // namespace xTV200_file
