#pragma once

namespace xTV200_file
{
/** The kinds of sound the factory programs are made from. Each has a recipe
    (FactorySoundRecipe) that says which oscillators, filters, envelopes and
    effects make it, so that a program sounds like what its name promises. */
enum class FactorySoundStyle
{
    sawPad,
    pulsePad,
    polySynth,
    sweepPad,
    digitalPad,
    layeredPad,
    syncLead,
    monoLead,
    unisonLead,
    squareLead,
    analogBass,
    acidBass,
    subBass,
    crossModBass,
    sampledBass,
    synthBrass,
    sampledBrass,
    stringEnsemble,
    synthStrings,
    choir,
    acousticPiano,
    electricPiano,
    pianoStrings,
    organ,
    clav,
    bell,
    mallet,
    pluckedString,
    noiseEffect,
    ringEffect,
    vocoder,
    audioInput,
    voicePad,
    arpeggio,
    pluck,
    initTemplate,
    splitTemplate,
    layerTemplate,
    arpTemplate,
    vocoderTemplate
};

/** How many styles there are: the size of the recipe table. */
constexpr int numFactorySoundStyles = static_cast<int> (FactorySoundStyle::vocoderTemplate) + 1;

} // namespace xTV200_file
