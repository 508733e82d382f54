#include "data/parameters/ValueNameLists.h"
#include "data/parameters/ValueTextFunctions.h"
#include "data/ValueFormatter.h"

#include <cstddef>
#include <iterator>

namespace xTV200_data
{
namespace
{
using namespace value_text;
namespace names = value_names;

constexpr ValueFormatter unused{};

constexpr ValueFormatter text (ValueFormatter::TextFunction function)
{
    return {nullptr, nullptr, function, {}};
}

constexpr ValueFormatter transformed (ValueFormatter::Transform transform, ValueFormatter::Transform inverse,
                                      ValueFormatter::TextFunction function)
{
    return {transform, inverse, function, {}};
}

template <std::size_t numNames>
constexpr ValueFormatter nameList (const char* const (&list)[numNames])
{
    return {nullptr, nullptr, nullptr, {list, static_cast<int> (numNames)}};
}

// clang-format off
constexpr ValueFormatter valueFormatters[] = {
    /*  0 */ unused,                                                        // empty
    /*  1 */ unused,
    /*  2 */ text (blankPadded<2>),                                         // W2
    /*  3 */ unused,
    /*  4 */ text (blankPadded<3>),                                         // W3
    /*  5 */ text (blankPadded<5>),                                         // W5
    /*  6 */ text (blankPadded<1>),                                         // W1
    /*  7 */ text (blankPadded<1>),                                         // W1
    /*  8 */ text (blankPadded<2>),                                         // W2
    /*  9 */ text (signedZeroPadded<3>),                                    // S3
    /* 10 */ text (signedZeroPadded<3>),                                    // S3
    /* 11 */ text (signedZeroPadded<3>),                                    // S3
    /* 12 */ unused,
    /* 13 */ text (signedZeroPadded<3>),                                    // S3
    /* 14 */ text (signedZeroPadded<3>),                                    // S3
    /* 15 */ transformed (minusTwo, plusTwo, signedZeroPadded<2>),          // S2: "-2" ... "+2"
    /* 16 */ text (blankPadded<3>),                                         // W3
    /* 17 */ transformed (plusOne, minusOne, blankPadded<3>),               // W3: program numbers 1 ... 300
    /* 18 */ text (singleCharacter),
    /* 19 */ nameList (names::disableEnable),
    /* 20 */ nameList (names::category),
    /* 21 */ nameList (names::voiceMode),
    /* 22 */ text (channelOrGlobal),                                        // "Global", W2
    /* 23 */ text (noteName),                                               // "C -1" ... "G 9"
    /* 24 */ nameList (names::keyboardResponse),
    /* 25 */ nameList (names::voiceAssign),
    /* 26 */ nameList (names::unisonVoices),
    /* 27 */ text (cents),                                                  // S3 " cent"
    /* 28 */ text (pitchCents),                                             // cent table, "+2400 cent"
    /* 29 */ text (oscillatorType),
    /* 30 */ text (harmonics),                                              // "0.5", W1
    /* 31 */ nameList (names::filterType),
    /* 32 */ text (keyTrack),                                               // key track table, "+2.00"
    /* 33 */ transformed (identity, identity, pan),                         // "L63", "Center", "R63"
    /* 34 */ nameList (names::filterLfoWave),
    /* 35 */ nameList (names::pitchLfoWave),
    /* 36 */ nameList (names::lfoFrequency),
    /* 37 */ nameList (names::lfoKeySync),
    /* 38 */ nameList (names::syncNote),
    /* 39 */ nameList (names::modulationSource),
    /* 40 */ nameList (names::patchDestination),
    /* 41 */ nameList (names::effectSwitch),
    /* 42 */ nameList (names::preFxType),
    /* 43 */ nameList (names::modFxType),
    /* 44 */ nameList (names::revDelayType),
    /* 45 */ transformed (identity, identity, toneBalance),                 // "L63", "Flat", "H63"
    /* 46 */ text (delayTimeNote),                                          // "1/32" ... "1/2"
    /* 47 */ nameList (names::audioSource),
    /* 48 */ text (disableOrEnable),
    /* 49 */ nameList (names::modulationSource),
    /* 50 */ text (sensitivityOrHold),                                      // W3, "Hold"
    /* 51 */ nameList (names::timbreAssign),
    /* 52 */ nameList (names::arpeggiatorType),
    /* 53 */ nameList (names::arpeggiatorResolution),
    /* 54 */ text (percent),                                                // W3 "%"
    /* 55 */ text (signedPercent),                                          // S4 "%"
    /* 56 */ transformed (plus4400, minus4400, tenthsOfHertz),              // "430.0Hz" ... "450.0Hz"
    /* 57 */ nameList (names::keyboardPosition),
    /* 58 */ nameList (names::velocityCurve),
    /* 59 */ nameList (names::scale),
    /* 60 */ nameList (names::noteNames),
    /* 61 */ nameList (names::knobMode),
    /* 62 */ nameList (names::autoPowerOff),
    /* 63 */ nameList (names::powerSaveMode),
    /* 64 */ nameList (names::powerSaveTime),
    /* 65 */ nameList (names::illuminateMode),
    /* 66 */ transformed (plusOne, minusOne, blankPadded<2>),               // W2: channels 1 ... 16
    /* 67 */ nameList (names::midiRouting),
    /* 68 */ nameList (names::midiClock),
    /* 69 */ text (midiControlSource),                                      // "P.Bend", "A.Touch", "CC#00" ...
    /* 70 */ text (controlChangeNumberOrOff),                               // "Off", Z3
    /* 71 */ nameList (names::damperPolarity),
    /* 72 */ nameList (names::assignableType),
    /* 73 */ nameList (names::pedalFunction),
    /* 74 */ nameList (names::switchFunction),
    /* 75 */ nameList (names::switchMode),
    /* 76 */ nameList (names::lowEqFrequency),
    /* 77 */ unused,
    /* 78 */ nameList (names::highEqFrequency),
    /* 79 */ unused,
    /* 80 */ nameList (names::cvGateMode),
    /* 81 */ nameList (names::cvType),
    /* 82 */ nameList (names::cvRange),
    /* 83 */ nameList (names::gatePolarity),
    /* 84 */ text (offOrOn),
};
// clang-format on

static_assert (std::size (valueFormatters) == numValueFormatters);
static_assert (std::size (names::lfoFrequency) == 128);

} // namespace

const ValueFormatter* getValueFormatter (int formatter) noexcept
{
    if (formatter < 0 || formatter >= numValueFormatters)
        return nullptr;

    return &valueFormatters[formatter];
}

} // namespace xTV200_data
