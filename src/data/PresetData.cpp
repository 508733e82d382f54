#include "data/PresetData.h"

namespace xTV200_data
{
void PresetData::initialize()
{
    programs.initializeAll();
    information = PresetInformation();
}

bool PresetData::operator== (const PresetData& other) const
{
    return programs == other.programs && information == other.information;
}
} // namespace xTV200_data
