// libFuzzer target: any bytes read as a library, program or preset file must give a
// read code, leave the target untouched on failure and give records whose
// hashes match their bytes.
// How to build and run it: see README.md beside this file.

#include "fuzz/FuzzTargets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (const auto fault = fuzz::checkLibraryProgramPresetFiles (data, size); fault.isNotEmpty())
    {
        std::fprintf (stderr, "%s\n", fault.toRawUTF8());
        std::abort();
    }

    return 0;
}
