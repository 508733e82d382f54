#pragma once

#include "data/PresetData.h"

namespace xTV200_file
{
/** Builds the factory preset bundle that the program carries: 300 programs
    made from their table entries (FactoryProgramTable) and the bundle's
    information.

    The result depends on nothing but this code, so the tool that writes the
    bundle file gives the same bytes on every run.
*/
class FactoryPresetBuilder final
{
public:
    /** Fills preset with the factory programs (empty programmer and comment
        texts, as in every published bundle) and information. Returns false when
        a program did not come out as planned; preset is then not to be shipped. */
    static bool build (xTV200_data::PresetData& preset);

    /** The information of the factory bundle. */
    static xTV200_data::PresetInformation createInformation();

private:
    FactoryPresetBuilder() = delete;
};
} // namespace xTV200_file
