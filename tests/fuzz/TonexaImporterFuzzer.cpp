// libFuzzer target: any bytes imported as the older editor's library file must
// give one of the importer's codes, leave the target untouched on failure and
// give programs whose hashes match their bytes, without a crash, a hang or a
// huge allocation.
// How to build and run it: see README.md beside this file.

#include "fuzz/FuzzTargets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (const auto fault = fuzz::checkTonexaImport (data, size); fault.isNotEmpty())
    {
        std::fprintf (stderr, "%s\n", fault.toRawUTF8());
        std::abort();
    }

    return 0;
}
