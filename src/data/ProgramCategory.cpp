#include "data/ProgramCategory.h"

#include "data/ParameterMap.h"

namespace xTV200_data
{
juce::String getProgramCategory (const ProgramData& program)
{
    // Group 0 is the program's common block; its record 12 is the category.
    const ParameterId categoryId (0, 12);
    const DataBlock bytes (program.getBytes(), ProgramData::numBytes);
    ParameterInfo info;

    if (! getParameterInfo (categoryId, bytes, info))
        return {};

    return getParameterValueText (info, readParameterValue (categoryId, info, bytes));
}
} // namespace xTV200_data
