#include "tolmvesk/ProgramCategory.h"

#include "data/ParameterMap.h"

namespace tolmvesk
{
juce::String getProgramCategory (const xTV200_data::ProgramData& program)
{
    // Group 0 is the program's common block; its record 12 is the category.
    const xTV200_data::ParameterId categoryId (0, 12);
    const xTV200_data::DataBlock bytes (program.getBytes(), xTV200_data::ProgramData::numBytes);
    xTV200_data::ParameterInfo info;

    if (! xTV200_data::getParameterInfo (categoryId, bytes, info))
        return {};

    return xTV200_data::getParameterValueText (info,
                                               xTV200_data::readParameterValue (categoryId, info, bytes));
}
} // namespace tolmvesk
