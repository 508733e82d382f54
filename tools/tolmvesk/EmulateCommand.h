#pragma once

#include <juce_core/juce_core.h>

#include <ostream>

namespace tolmvesk
{
/** tolmvesk emulate (--in-stream PATH --out-stream PATH | --in NAME --out NAME)
    [emulator options]: runs the emulated synthesizer on those ports until
    interrupted (Ctrl+C, SIGTERM or SIGHUP). */
int runEmulateCommand (const juce::StringArray& arguments, std::ostream& out, std::ostream& err);
} // namespace tolmvesk
