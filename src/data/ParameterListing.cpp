#include "data/ParameterListing.h"
#include "data/ParameterGroup.h"
#include "data/ParameterMap.h"

namespace xTV200_data
{
namespace
{
ParameterListEntry makeEntry (ParameterId id, const ParameterGroup& group, DataBlock bytes)
{
    ParameterListEntry entry;
    entry.id = id;
    entry.info = group.records[id.index];
    entry.hasRecord =
        group.isGlobal() ? getGlobalParameterInfo (id, entry.info) : getParameterInfo (id, bytes, entry.info);

    if (entry.hasRecord)
    {
        entry.value = readParameterValue (id, entry.info, bytes);
        entry.text = getParameterValueText (entry.info, entry.value);
        entry.active = isParameterActive (id, entry.info, bytes);
    }

    return entry;
}

std::vector<ParameterListEntry> listGroups (int firstGroup, int endGroup, DataBlock bytes)
{
    std::vector<ParameterListEntry> entries;
    std::size_t numEntries = 0;

    for (int g = firstGroup; g < endGroup; ++g)
        numEntries += static_cast<std::size_t> (getParameterGroup (g)->numRecords);

    entries.reserve (numEntries);

    for (int g = firstGroup; g < endGroup; ++g)
    {
        const auto& group = *getParameterGroup (g);

        for (int i = 0; i < group.numRecords; ++i)
            entries.push_back (makeEntry ({g, i}, group, bytes));
    }

    return entries;
}
} // namespace

std::vector<ParameterListEntry> listProgramParameters (DataBlock programBytes)
{
    return listGroups (0, firstGlobalParameterGroup, programBytes);
}

std::vector<ParameterListEntry> listGlobalParameters (DataBlock globalBytes)
{
    return listGroups (firstGlobalParameterGroup, numParameterGroups, globalBytes);
}

} // namespace xTV200_data
