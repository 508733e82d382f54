#include "ui/PresetDataDragItem.h"

namespace ui
{
namespace
{
bool isInteger (const juce::var& value)
{
    return value.isInt() || value.isInt64();
}
} // namespace

juce::var PresetDataDragItem::toVar() const
{
    return juce::Array<juce::var> { name, presetIndex, programIndex };
}

std::optional<PresetDataDragItem> PresetDataDragItem::decode (const juce::var& description,
                                                             const juce::String& nameToMatch)
{
    const auto* elements = description.getArray();

    if (elements == nullptr || elements->size() != 3 || ! (*elements)[0].isString()
        || (*elements)[0].toString() != nameToMatch || ! isInteger ((*elements)[1]) || ! isInteger ((*elements)[2]))
        return std::nullopt;

    return PresetDataDragItem { nameToMatch, static_cast<int> ((*elements)[1]), static_cast<int> ((*elements)[2]) };
}
} // namespace ui
