#pragma once

#include "data/ProgramData.h"

#include <juce_core/juce_core.h>

namespace xTV200_ui
{
/** Turns a program's bytes into what the information page shows, through the
    parameter map. Every function takes nullptr for "no current program".
*/
class ProgramInformationDecoder final
{
public:
    struct Lines
    {
        juce::String line1, line2;
    };

    static constexpr int timbreA = 0;
    static constexpr int timbreB = 1;
    static constexpr int numOscillators = 3;
    static constexpr int noCategory = -1;

    /** The current program, or nullptr when there is none. Message thread only. */
    static const xTV200_data::ProgramData* getCurrentProgram();

    /** False without a program, and for timbre B of a program whose Voice Mode is Single. */
    static bool isTimbreUsed (const xTV200_data::ProgramData* program, int timbre);

    /** The type number ("001" to "127", empty for Off) and the type's name ("Saw", "Off"). */
    static Lines getOscillatorLines (const xTV200_data::ProgramData* program, int timbre, int oscillator);

    /** 0 analogue, 1 DWGS, 2 PCM, 3 audio input; noCategory when off, unreadable or unused. */
    static int getOscillatorCategory (const xTV200_data::ProgramData* program, int timbre, int oscillator);

    /** The filter's number ("01" to "18") and name. */
    static Lines getFilterLines (const xTV200_data::ProgramData* program, int timbre);

    /** The name of effect 0 (PreFX), 1 (ModFX) or 2 (Rev/Delay); "-------" without a program. */
    static juce::String getEffectTypeName (const xTV200_data::ProgramData* program, int effect);

    static bool isArpeggiatorOn (const xTV200_data::ProgramData* program);
    static bool isVocoderOn (const xTV200_data::ProgramData* program);

    /** What a panel shows when its timbre has nothing to show. */
    static Lines getUnusedLines() { return {"--------", {}}; }
};
} // namespace xTV200_ui
