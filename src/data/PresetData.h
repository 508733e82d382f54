#pragma once

#include "data/Data.h"
#include "data/PresetInformation.h"
#include "data/ProgramData.h"

#include <array>

namespace xTV200_data
{
/** One preset bundle: 300 programs published as a whole, with its information.

    Like the library, getProgram() answers an index out of range with a
    fallback program; a copy gets a fresh fallback.
*/
class PresetData : public data::Data
{
public:
    static constexpr int numPrograms = 300;

    PresetData() = default;
    PresetData (const PresetData& other);
    PresetData& operator= (const PresetData& other);

    /** All programs initial, the texts emptied and version 0. */
    void initialize();

    ProgramData& getProgram (int index);
    const ProgramData& getProgram (int index) const;

    PresetInformation& getInformation() noexcept { return information; }
    const PresetInformation& getInformation() const noexcept { return information; }

    bool operator== (const PresetData& other) const;

private:
    static bool isValidIndex (int index) noexcept;

    std::array<ProgramData, numPrograms> programs;
    PresetInformation information;
    ProgramData fallbackProgram;
};
} // namespace xTV200_data
