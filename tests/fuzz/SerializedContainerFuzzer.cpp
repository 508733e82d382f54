// libFuzzer target: any bytes read as the serialized container of a library,
// program or favourites must keep hashes matching bytes, and a record that
// reads must write itself back to a container that reads the same.
// How to build and run it: see README.md beside this file.

#include "fuzz/FuzzTargets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (const auto fault = fuzz::checkSerializedContainers (data, size); fault.isNotEmpty())
    {
        std::fprintf (stderr, "%s\n", fault.toRawUTF8());
        std::abort();
    }

    return 0;
}
