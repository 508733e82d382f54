#pragma once

#include "data/FavoriteData.h"

namespace xTV200_data
{
/** Writes the favourites as a "TolmFavS" container holding their document in "TolmFavD". */
class FavoriteDataSerializer
{
public:
    explicit FavoriteDataSerializer (const FavoriteData& recordToUse) : record (&recordToUse) {}
    virtual ~FavoriteDataSerializer() = default;

    void serialize (data::SerializedData& out) const;

private:
    const FavoriteData* record;
};
} // namespace xTV200_data
