#include "data/LibraryData.h"

#include "data/container/LibraryDataDeserializer.h"
#include "data/container/LibraryDataSerializer.h"

namespace xTV200_data
{
void LibraryData::initialize()
{
    programs.initializeAll();
    favorites.initialize();
}

void LibraryData::copyFrom (const LibraryData& other)
{
    programs = other.programs;
    favorites = other.favorites;
}

void LibraryData::serialize (data::SerializedData& out) const { LibraryDataSerializer (*this).serialize (out); }

bool LibraryData::deserialize (const data::SerializedData& in) { return LibraryDataDeserializer (*this).deserialize (in); }
} // namespace xTV200_data
