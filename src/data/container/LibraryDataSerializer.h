#pragma once

#include "data/LibraryData.h"

namespace xTV200_data
{
/** Writes a library as a "TolmLibD" container: 300 "TolmLibP" sections, each a whole program container, then "TolmLibF" holding the favourites container. */
class LibraryDataSerializer
{
public:
    explicit LibraryDataSerializer (const LibraryData& recordToUse) : record (&recordToUse) {}
    virtual ~LibraryDataSerializer() = default;

    void serialize (data::SerializedData& out) const;

private:
    const LibraryData* record;
};
} // namespace xTV200_data
