// libFuzzer target: any bytes read by the bounded XML reader must be refused or
// give a document that the framework's writer turns back into accepted text.
// How to build and run it: see README.md beside this file.

#include "fuzz/FuzzTargets.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (const auto fault = fuzz::checkXmlDocument (data, size); fault.isNotEmpty())
    {
        std::fprintf (stderr, "%s\n", fault.toRawUTF8());
        std::abort();
    }

    return 0;
}
