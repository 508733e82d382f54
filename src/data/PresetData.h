#pragma once

#include "data/Data.h"
#include "data/LibraryData.h"
#include "data/PresetInformation.h"
#include "data/ProgramSlots.h"

namespace xTV200_data
{
/** One preset bundle: 300 programs published as a whole, with its information.

    Like the library, getProgram() answers an index out of range with a
    fallback program; a copy gets a fresh fallback.
*/
class PresetData : public data::Data
{
public:
    static constexpr int numPrograms = ProgramSlots::numPrograms;

    PresetData() = default;
    PresetData (const PresetData&) = default;
    PresetData& operator= (const PresetData&) = default;

    /** A bundle made from a library, as Make Preset File makes it: the
        library's programs in order, each without its programmer and comment,
        which belong to the user's own library.
    */
    static std::unique_ptr<PresetData> makeFromLibrary (const LibraryData& library,
                                                        const PresetInformation& information);

    /** All programs initial, the texts emptied and version 0. */
    void initialize();

    ProgramData& getProgram (int index) { return programs.get (index); }
    const ProgramData& getProgram (int index) const { return programs.get (index); }

    PresetInformation& getInformation() noexcept { return information; }
    const PresetInformation& getInformation() const noexcept { return information; }

    bool operator== (const PresetData& other) const;

private:
    ProgramSlots programs { "Preset Program Number Error: %d\n" };
    PresetInformation information;
};
} // namespace xTV200_data
