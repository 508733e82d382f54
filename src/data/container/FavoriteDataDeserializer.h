#pragma once

#include "data/FavoriteData.h"

namespace xTV200_data
{
/** Reads the favourites from a "TolmFavS" container. */
class FavoriteDataDeserializer
{
public:
    explicit FavoriteDataDeserializer (FavoriteData& recordToUse) : record (&recordToUse) {}
    virtual ~FavoriteDataDeserializer() = default;

    /** False when the container does not parse, is of another type, or a
        "TolmFavD" section is not a favourite document.
    */
    bool deserialize (const data::SerializedData& in) const;

private:
    FavoriteData* record;
};
} // namespace xTV200_data
