// libFuzzer target for the zip uncompressor: any bytes must give a failure or
// entries that match their sizes and checksums, without a crash, a hang or a
// huge allocation. How to build and run it: see README.md beside this file.

#include "../file/MemoryInputSource.h"
#include "file/MemoryBasedZipUncompressor.h"
#include "file/ZipCrc32.h"

#include <cstdint>
#include <cstdlib>
#include <set>

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    file::MemoryBasedZipUncompressor uncompressor (
        std::make_unique<test::MemoryInputSource> (juce::MemoryBlock (data, size)));

    if (uncompressor.uncompressAll().failed())
        return 0;

    std::set<juce::String> seen;

    for (int i = 0; i < uncompressor.getNumEntries(); ++i)
    {
        const auto& record = *uncompressor.getEntryRecord (i);

        if (! seen.insert (record.name).second)
            continue;

        const auto bytes = uncompressor.getEntryData (record.name);

        if (! uncompressor.hasEntry (record.name) || bytes.getSize() != record.uncompressedSize ||
            file::ZipCrc32::of (bytes) != record.checksum)
            abort();
    }

    return 0;
}
