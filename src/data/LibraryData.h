#pragma once

#include "data/FavoriteData.h"
#include "data/ProgramSlots.h"

namespace xTV200_data
{
/** The library: 300 programs and the favourite assignments.

    getProgram() never fails: an index outside 0-299 is reported on the
    console and answered with the fallback program, so writes through a bad
    index touch only the fallback. Copies take the programs and favourites;
    the fallback program of a copy is a fresh initial program.
*/
class LibraryData : public data::Data, public data::SerializableData
{
public:
    static constexpr int numPrograms = ProgramSlots::numPrograms;

    /** Creates 300 initial programs and the initial favourites. */
    LibraryData() = default;
    LibraryData (const LibraryData&) = default;
    LibraryData& operator= (const LibraryData&) = default;

    void initialize();
    void copyFrom (const LibraryData& other);

    ProgramData& getProgram (int index) { return programs.get (index); }
    const ProgramData& getProgram (int index) const { return programs.get (index); }

    FavoriteData& getFavorites() noexcept { return favorites; }
    const FavoriteData& getFavorites() const noexcept { return favorites; }

    /** True when the programs and favourites are the same. */
    bool operator== (const LibraryData& other) const
    {
        return programs == other.programs && favorites == other.favorites;
    }
    bool operator!= (const LibraryData& other) const { return ! operator== (other); }

    void serialize (data::SerializedData& out) const override;
    bool deserialize (const data::SerializedData& in) override;

private:
    ProgramSlots programs { "Program Number Error: %d\n" };
    FavoriteData favorites;
};
} // namespace xTV200_data
