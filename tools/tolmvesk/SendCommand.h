#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** tolmvesk send FILE NUMBER [port options]: sends one program of any
    library, preset or program file to the synthesizer's current program, to
    hear it without storing it. */
int runSendCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
