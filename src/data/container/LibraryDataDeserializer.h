#pragma once

#include "data/LibraryData.h"

namespace xTV200_data
{
/** Reads a library from a "TolmLibD" container. */
class LibraryDataDeserializer
{
public:
    explicit LibraryDataDeserializer (LibraryData& recordToUse) : record (&recordToUse) {}
    virtual ~LibraryDataDeserializer() = default;

    /** Stops at the first program or favourite section that fails; what was
        read before it stays. Program sections beyond the 300th go to the
        fallback program.
    */
    bool deserialize (const data::SerializedData& in) const;

private:
    LibraryData* record;
};
} // namespace xTV200_data
