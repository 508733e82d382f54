#include "tolmvesk/ProgramList.h"

#include "tolmvesk/ProgramNumber.h"

#include <algorithm>

namespace tolmvesk
{
namespace
{
bool addIndex (std::vector<int>& indices, int index)
{
    if (std::find (indices.begin(), indices.end(), index) == indices.end())
        indices.push_back (index);
    return true;
}

bool addItem (std::vector<int>& indices, const juce::String& item, int numPrograms)
{
    const auto dash = item.indexOfChar ('-');

    if (dash < 0)
    {
        const auto index = parseProgramNumber (item, numPrograms);
        return index.has_value() && addIndex (indices, *index);
    }

    const auto first = parseProgramNumber (item.substring (0, dash), numPrograms);
    const auto last = parseProgramNumber (item.substring (dash + 1), numPrograms);

    if (! first.has_value() || ! last.has_value() || *first > *last)
        return false;

    for (int index = *first; index <= *last; ++index)
        addIndex (indices, index);

    return true;
}
} // namespace

std::optional<std::vector<int>> parseProgramList (const juce::String& text, int numPrograms)
{
    juce::StringArray items;
    items.addTokens (text, ",", {});

    if (items.isEmpty())
        return std::nullopt;

    std::vector<int> indices;

    for (const auto& item : items)
        if (! addItem (indices, item, numPrograms))
            return std::nullopt;

    return indices;
}
} // namespace tolmvesk
