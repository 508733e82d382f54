#pragma once

#include "data/ParameterId.h"
#include "data/ProgramData.h"
#include "file/FactoryProgramTable.h"
#include "file/FactorySoundRecipe.h"

#include <cstdint>

namespace xTV200_file
{
/** Makes one factory program from its table entry: the initial program, then
    its name, category and the parameters of its style's recipe.

    Where a recipe offers several values, the choice comes from a small
    counter-based generator seeded with the program's number, so the same
    entry and number always give the same bytes, on every machine.
*/
class FactoryProgramComposer final
{
public:
    FactoryProgramComposer (const FactoryProgramEntry& entryToCompose, int programNumber);

    /** Fills program (bytes and hash; the information texts stay). Returns
        false when a value did not fit its parameter, which means a recipe is
        wrong; the program is then unusable. */
    bool compose (xTV200_data::ProgramData& program);

private:
    void writeNameAndCommon (xTV200_data::ProgramData& program, const FactorySoundRecipe& recipe);
    void writeTimbre (xTV200_data::ProgramData& program, int group, const FactorySoundRecipe& recipe);
    void writeOscillators (xTV200_data::ProgramData& program, int group, const FactorySoundRecipe& recipe);
    void writeFilterAndEnvelopes (xTV200_data::ProgramData& program, int group, const FactorySoundRecipe& recipe);
    void writeEffects (xTV200_data::ProgramData& program, const FactorySoundRecipe& recipe);
    void writeArpeggiatorAndVocoder (xTV200_data::ProgramData& program, const FactorySoundRecipe& recipe);

    void write (xTV200_data::ProgramData& program, xTV200_data::ParameterId id, int value);
    void write (xTV200_data::ProgramData& program, xTV200_data::ParameterId id, const FactoryValueChoice& choice);
    void write (xTV200_data::ProgramData& program, xTV200_data::ParameterId id, FactoryValueRange range);
    void writeControl (xTV200_data::ProgramData& program, xTV200_data::ParameterId id, FactoryValueRange amounts);

    int pick (const FactoryValueChoice& choice);
    int pick (FactoryValueRange range);
    std::uint32_t nextRandom() noexcept;

    const FactoryProgramEntry& entry;
    std::uint32_t randomState;
    int voiceMode = 0;
    bool allValuesFit = true;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FactoryProgramComposer)
};
} // namespace xTV200_file
