// libFuzzer target: any bytes given to the zip uncompressor must give a failure
// or entries that match their sizes and checksums, without a crash, a hang or
// a huge allocation.
// How to build and run it: see README.md beside this file.

#include "fuzz/FuzzTargets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (const auto fault = fuzz::checkZipArchive (data, size); fault.isNotEmpty())
    {
        std::fprintf (stderr, "%s\n", fault.toRawUTF8());
        std::abort();
    }

    return 0;
}
