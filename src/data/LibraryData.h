#pragma once

#include "data/FavoriteData.h"
#include "data/ProgramData.h"

#include <array>

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
    static constexpr int numPrograms = 300;

    /** Creates 300 initial programs and the initial favourites. */
    LibraryData() = default;
    LibraryData (const LibraryData& other);
    LibraryData& operator= (const LibraryData& other);

    void initialize();
    void copyFrom (const LibraryData& other);

    ProgramData& getProgram (int index);
    const ProgramData& getProgram (int index) const;

    FavoriteData& getFavorites() noexcept { return favorites; }
    const FavoriteData& getFavorites() const noexcept { return favorites; }

    /** True when the programs and favourites are the same. */
    bool operator== (const LibraryData& other) const;
    bool operator!= (const LibraryData& other) const { return ! operator== (other); }

    void serialize (data::SerializedData& out) const override;
    bool deserialize (const data::SerializedData& in) override;

private:
    static bool isValidIndex (int index) noexcept;

    std::array<ProgramData, numPrograms> programs;
    FavoriteData favorites;
    ProgramData fallbackProgram;
};
} // namespace xTV200_data
