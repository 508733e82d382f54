#include "file/FactoryProgramTable.h"

namespace xTV200_file
{
namespace
{
// The values of the Category parameter.
constexpr int synth = 0;
constexpr int lead = 1;
constexpr int bass = 2;
constexpr int brass = 3;
constexpr int strings = 4;
constexpr int piano = 5;
constexpr int key = 6;
constexpr int effectOrVoice = 7;
constexpr int user = 8;

using S = FactorySoundStyle;

// clang-format off
constexpr std::array<FactoryProgramEntry, 300> entries {{
    // Synth
    { "Warm Saw Pad", synth, S::sawPad },       { "Silk Pad", synth, S::sawPad },
    { "Velvet Pad", synth, S::sawPad },         { "Soft Horizon", synth, S::sawPad },
    { "Amber Pad", synth, S::sawPad },          { "Cloud Layer", synth, S::layeredPad },
    { "Slow Dawn", synth, S::sawPad },          { "PWM Pad", synth, S::pulsePad },
    { "Pulse Pad", synth, S::pulsePad },        { "Wide PWM", synth, S::pulsePad },
    { "Dream Pulse", synth, S::pulsePad },      { "Night PWM", synth, S::pulsePad },
    { "Analog Poly", synth, S::polySynth },     { "Poly Saws", synth, S::polySynth },
    { "Brite Poly", synth, S::polySynth },      { "Classic Poly", synth, S::polySynth },
    { "Fat Poly", synth, S::polySynth },        { "Soft Poly", synth, S::polySynth },
    { "Poly Stab", synth, S::polySynth },       { "House Chord", synth, S::polySynth },
    { "Trance Stab", synth, S::polySynth },     { "Deep Chords", synth, S::polySynth },
    { "Filter Sweep", synth, S::sweepPad },     { "Slow Sweep", synth, S::sweepPad },
    { "Sweep Pad", synth, S::sweepPad },        { "Resonant Pad", synth, S::sweepPad },
    { "Tidal Sweep", synth, S::sweepPad },      { "Phase Cloud", synth, S::layeredPad },
    { "Digital Pad", synth, S::digitalPad },    { "Glass Pad", synth, S::digitalPad },
    { "Crystal Pad", synth, S::digitalPad },    { "VPM Shimmer", synth, S::digitalPad },
    { "Wire Pad", synth, S::digitalPad },       { "Inharm Pad", synth, S::digitalPad },
    { "Frozen Air", synth, S::layeredPad },     { "Aurora", synth, S::layeredPad },

    // Lead
    { "Sync Lead", lead, S::syncLead },         { "Sync Scream", lead, S::syncLead },
    { "Hard Sync", lead, S::syncLead },         { "Sync Sweep", lead, S::syncLead },
    { "Sync Solo", lead, S::syncLead },         { "Razor Sync", lead, S::syncLead },
    { "Sync Whistle", lead, S::syncLead },      { "Mono Lead", lead, S::monoLead },
    { "Classic Lead", lead, S::monoLead },      { "Saw Lead", lead, S::monoLead },
    { "Fat Lead", lead, S::monoLead },          { "Smooth Lead", lead, S::monoLead },
    { "Portamento", lead, S::monoLead },        { "Glide Lead", lead, S::monoLead },
    { "Solo Saw", lead, S::monoLead },          { "Prog Lead", lead, S::monoLead },
    { "Funk Lead", lead, S::monoLead },         { "Supersaw Ld", lead, S::unisonLead },
    { "Unison Lead", lead, S::unisonLead },     { "Huge Lead", lead, S::unisonLead },
    { "Anthem Lead", lead, S::unisonLead },     { "Stadium Ld", lead, S::unisonLead },
    { "Trance Lead", lead, S::unisonLead },     { "Square Lead", lead, S::squareLead },
    { "Chip Lead", lead, S::squareLead },       { "Soft Square", lead, S::squareLead },
    { "Pulse Lead", lead, S::squareLead },      { "Flute Lead", lead, S::squareLead },
    { "Sine Lead", lead, S::squareLead },       { "Whistle", lead, S::squareLead },
    { "Ring Lead", lead, S::squareLead },       { "XMod Lead", lead, S::squareLead },
    { "VPM Lead", lead, S::squareLead },        { "Tri Lead", lead, S::squareLead },
    { "Dual Lead", lead, S::squareLead },       { "Retro Lead", lead, S::squareLead },

    // Bass
    { "Analog Bass", bass, S::analogBass },     { "Deep Bass", bass, S::analogBass },
    { "Fat Bass", bass, S::analogBass },        { "Round Bass", bass, S::analogBass },
    { "Punch Bass", bass, S::analogBass },      { "Saw Bass", bass, S::analogBass },
    { "Pulse Bass", bass, S::analogBass },      { "Funk Bass", bass, S::analogBass },
    { "Disco Bass", bass, S::analogBass },      { "Octave Bass", bass, S::analogBass },
    { "Mono Bass", bass, S::analogBass },       { "Rubber Bass", bass, S::analogBass },
    { "Acid Bass", bass, S::acidBass },         { "Acid Line", bass, S::acidBass },
    { "Squelch", bass, S::acidBass },           { "Acid Squelch", bass, S::acidBass },
    { "Acid Sweep", bass, S::acidBass },        { "Res Bass", bass, S::acidBass },
    { "Acid Groove", bass, S::acidBass },       { "Deep Sub", bass, S::subBass },
    { "Sub Bass", bass, S::subBass },           { "Sine Sub", bass, S::subBass },
    { "Sub Boom", bass, S::subBass },           { "Sub Floor", bass, S::subBass },
    { "Dub Sub", bass, S::subBass },            { "FM Bass", bass, S::crossModBass },
    { "XMod Bass", bass, S::crossModBass },     { "VPM Bass", bass, S::crossModBass },
    { "Growl Bass", bass, S::crossModBass },    { "Wobble Bass", bass, S::crossModBass },
    { "Dirty Bass", bass, S::crossModBass },    { "Detune Bass", bass, S::crossModBass },
    { "E.Bass Pick", bass, S::sampledBass },    { "Finger Bass", bass, S::sampledBass },
    { "Acoustic Bs", bass, S::sampledBass },    { "Slap Bass", bass, S::sampledBass },

    // Brass
    { "Analog Brass", brass, S::synthBrass },   { "Synth Brass", brass, S::synthBrass },
    { "Poly Brass", brass, S::synthBrass },     { "Brass Stab", brass, S::synthBrass },
    { "Fat Brass", brass, S::synthBrass },      { "Soft Brass", brass, S::synthBrass },
    { "Saw Brass", brass, S::synthBrass },      { "Bright Brass", brass, S::synthBrass },
    { "Jump Brass", brass, S::synthBrass },     { "Brass Swell", brass, S::synthBrass },
    { "Sync Brass", brass, S::synthBrass },     { "Brass Pad", brass, S::synthBrass },
    { "Hollow Brass", brass, S::synthBrass },   { "Retro Brass", brass, S::synthBrass },
    { "Epic Brass", brass, S::synthBrass },     { "Funk Stabs", brass, S::synthBrass },
    { "Brass Sect.", brass, S::sampledBrass },  { "Trumpet", brass, S::sampledBrass },
    { "Solo Trumpet", brass, S::sampledBrass }, { "Horn Section", brass, S::sampledBrass },
    { "Big Band", brass, S::sampledBrass },     { "Mute Trumpet", brass, S::sampledBrass },
    { "Brass Fall", brass, S::sampledBrass },   { "Fanfare", brass, S::sampledBrass },
    { "Brass Hits", brass, S::sampledBrass },   { "Warm Horns", brass, S::sampledBrass },
    { "Film Brass", brass, S::sampledBrass },   { "Section Hit", brass, S::sampledBrass },
    { "Trumpet Ens.", brass, S::sampledBrass }, { "Horn Swell", brass, S::sampledBrass },

    // Strings
    { "Strings", strings, S::stringEnsemble },      { "String Ens.", strings, S::stringEnsemble },
    { "Full Strings", strings, S::stringEnsemble }, { "Slow Strings", strings, S::stringEnsemble },
    { "Tape Strings", strings, S::stringEnsemble }, { "Chamber Str.", strings, S::stringEnsemble },
    { "Legato Str.", strings, S::stringEnsemble },  { "Pizz Strings", strings, S::pluckedString },
    { "Film Strings", strings, S::stringEnsemble }, { "Warm Strings", strings, S::stringEnsemble },
    { "Ensemble 70s", strings, S::synthStrings },   { "Orchestra", strings, S::stringEnsemble },
    { "Cellos", strings, S::stringEnsemble },       { "Violins", strings, S::stringEnsemble },
    { "Viola Ens.", strings, S::stringEnsemble },   { "Str. Swell", strings, S::stringEnsemble },
    { "Ice Strings", strings, S::synthStrings },    { "Octave Str.", strings, S::stringEnsemble },
    { "Synth Str.", strings, S::synthStrings },     { "PWM Strings", strings, S::synthStrings },
    { "Analog Str.", strings, S::synthStrings },    { "Saw Strings", strings, S::synthStrings },
    { "Str. Machine", strings, S::synthStrings },   { "Vintage Str.", strings, S::synthStrings },
    { "Choir Aahs", strings, S::choir },            { "Choir Oohs", strings, S::choir },
    { "Dark Choir", strings, S::choir },            { "Air Choir", strings, S::choir },
    { "Angel Voices", strings, S::choir },          { "Cathedral", strings, S::choir },
    { "Vox Choir", strings, S::choir },             { "Heavenly", strings, S::choir },

    // Piano
    { "Grand Piano", piano, S::acousticPiano },  { "Concert Pno", piano, S::acousticPiano },
    { "Bright Grand", piano, S::acousticPiano }, { "Soft Piano", piano, S::acousticPiano },
    { "Upright Pno", piano, S::acousticPiano },  { "Honky Tonk", piano, S::acousticPiano },
    { "Piano Pad", piano, S::pianoStrings },     { "Stage Grand", piano, S::acousticPiano },
    { "E.Grand", piano, S::acousticPiano },      { "Ballad Piano", piano, S::acousticPiano },
    { "Jazz Piano", piano, S::acousticPiano },   { "Rock Piano", piano, S::acousticPiano },
    { "Mellow Grand", piano, S::acousticPiano }, { "Dance Piano", piano, S::acousticPiano },
    { "Piano Str.", piano, S::pianoStrings },    { "Tine EP", piano, S::electricPiano },
    { "Dyno EP", piano, S::electricPiano },      { "Reed EP", piano, S::electricPiano },
    { "Suitcase EP", piano, S::electricPiano },  { "Stage EP", piano, S::electricPiano },
    { "Soft EP", piano, S::electricPiano },      { "Bright EP", piano, S::electricPiano },
    { "Chorus EP", piano, S::electricPiano },    { "Tremolo EP", piano, S::electricPiano },
    { "Phaser EP", piano, S::electricPiano },    { "Digital EP", piano, S::electricPiano },
    { "Bell EP", piano, S::electricPiano },      { "Dirty EP", piano, S::electricPiano },
    { "Vintage EP", piano, S::electricPiano },   { "Mellow EP", piano, S::electricPiano },

    // Key
    { "Jazz Organ", key, S::organ },           { "Rock Organ", key, S::organ },
    { "Gospel Organ", key, S::organ },         { "Perc Organ", key, S::organ },
    { "Church Organ", key, S::organ },         { "Full Drawbar", key, S::organ },
    { "Soft Organ", key, S::organ },           { "Rotary Organ", key, S::organ },
    { "Combo Organ", key, S::organ },          { "Pipe Organ", key, S::organ },
    { "Click Organ", key, S::organ },          { "Soul Organ", key, S::organ },
    { "Funk Clav", key, S::clav },             { "Wah Clav", key, S::clav },
    { "Clav Pluck", key, S::clav },            { "Phase Clav", key, S::clav },
    { "Glass Keys", key, S::bell },            { "Bell Keys", key, S::bell },
    { "Tubular Bell", key, S::bell },          { "Music Box", key, S::bell },
    { "Celesta", key, S::bell },               { "Chimes", key, S::bell },
    { "Crystal Bell", key, S::bell },          { "Ice Bells", key, S::bell },
    { "Marimba", key, S::mallet },             { "Vibes", key, S::mallet },
    { "Kalimba", key, S::mallet },             { "Xylophone", key, S::mallet },
    { "Steel Drum", key, S::mallet },          { "Wood Mallet", key, S::mallet },
    { "Log Drum", key, S::mallet },            { "Nylon Guitar", key, S::pluckedString },
    { "Steel Guitar", key, S::pluckedString }, { "Clean Guitar", key, S::pluckedString },
    { "Harp", key, S::pluckedString },         { "Koto Pluck", key, S::pluckedString },

    // SE/Voc
    { "Wind Noise", effectOrVoice, S::noiseEffect },  { "Ocean Waves", effectOrVoice, S::noiseEffect },
    { "Rain Storm", effectOrVoice, S::noiseEffect },  { "Jet Sweep", effectOrVoice, S::noiseEffect },
    { "Laser Zap", effectOrVoice, S::ringEffect },    { "Noise Riser", effectOrVoice, S::noiseEffect },
    { "Noise Sweep", effectOrVoice, S::noiseEffect }, { "Thunder", effectOrVoice, S::noiseEffect },
    { "Helicopter", effectOrVoice, S::noiseEffect },  { "Space Drone", effectOrVoice, S::noiseEffect },
    { "Dark Matter", effectOrVoice, S::noiseEffect }, { "Ring Mod FX", effectOrVoice, S::ringEffect },
    { "Robot Talk", effectOrVoice, S::ringEffect },   { "Metal Hit", effectOrVoice, S::ringEffect },
    { "Alarm", effectOrVoice, S::ringEffect },        { "Sci-Fi Beeps", effectOrVoice, S::ringEffect },
    { "Bit Crusher", effectOrVoice, S::ringEffect },  { "Decimated", effectOrVoice, S::ringEffect },
    { "Glitch", effectOrVoice, S::ringEffect },       { "UFO Landing", effectOrVoice, S::ringEffect },
    { "Radio Tuner", effectOrVoice, S::ringEffect },  { "Vocoder", effectOrVoice, S::vocoder },
    { "Vocoder Pad", effectOrVoice, S::vocoder },     { "Robot Voice", effectOrVoice, S::vocoder },
    { "Talk Synth", effectOrVoice, S::vocoder },      { "Vocoder Str.", effectOrVoice, S::vocoder },
    { "Voc Choir", effectOrVoice, S::vocoder },       { "Mic Input", effectOrVoice, S::audioInput },
    { "Formant Pad", effectOrVoice, S::vocoder },     { "Syn Vox", effectOrVoice, S::voicePad },
    { "Vox Pad", effectOrVoice, S::voicePad },        { "Ghost Voices", effectOrVoice, S::voicePad },
    { "Whisper Pad", effectOrVoice, S::voicePad },    { "Breath Pad", effectOrVoice, S::voicePad },

    // User
    { "Arp Cascade", user, S::arpeggio },    { "Arp Pulse", user, S::arpeggio },
    { "Arp Bounce", user, S::arpeggio },     { "Seq Bass", user, S::arpeggio },
    { "Seq Pluck", user, S::arpeggio },      { "Arp Bells", user, S::arpeggio },
    { "Trance Gate", user, S::arpeggio },    { "Step Seq", user, S::arpeggio },
    { "Random Arp", user, S::arpeggio },     { "Arp Groove", user, S::arpeggio },
    { "Arp Sparkle", user, S::arpeggio },    { "Arp Octaves", user, S::arpeggio },
    { "Arp Pad", user, S::arpeggio },        { "Techno Seq", user, S::arpeggio },
    { "Dub Echoes", user, S::pluck },        { "Tempo Pulse", user, S::arpeggio },
    { "Synth Pluck", user, S::pluck },       { "Pluck Delay", user, S::pluck },
    { "Soft Pluck", user, S::pluck },        { "Poly Pluck", user, S::pluck },
    { "Bright Pluck", user, S::pluck },      { "Echo Pluck", user, S::pluck },
    { "Init Synth", user, S::initTemplate },  { "Init Poly", user, S::initTemplate },
    { "Init Split", user, S::splitTemplate }, { "Init Layer", user, S::layerTemplate },
    { "Init Arp", user, S::arpTemplate },    { "Init Vocoder", user, S::vocoderTemplate },
    { "Init Basic", user, S::initTemplate }, { "Init Patch", user, S::initTemplate },
}};
// clang-format on

constexpr bool everyEntryIsFilledIn()
{
    for (const auto& entry : entries)
        if (entry.name == nullptr || entry.category < synth || entry.category > user)
            return false;

    return true;
}

static_assert (everyEntryIsFilledIn(), "the table lists fewer than 300 programs");
} // namespace

const std::array<FactoryProgramEntry, 300>& getFactoryProgramEntries() noexcept
{
    return entries;
}

} // namespace xTV200_file
