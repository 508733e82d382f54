#include "ui/PresetRootItem.h"

#include "data/DataCenter.h"
#include "ui/PresetListRow.h"

namespace xTV200_ui
{
namespace
{
    // An index gone stale between a reload and the rebuild gets the fallback
    // bundle: an empty name and initial programs.
    const xTV200_data::PresetInformation& informationOf (int presetIndex)
    {
        return xTV200_data::DataCenter::getInstance()->getPresets().getPreset (presetIndex).getInformation();
    }
} // namespace

PresetRootItem::PresetRootItem (int presetIndexToShow)
    : presetIndex (presetIndexToShow)
{
}

PresetRootItem::~PresetRootItem() = default;

juce::String PresetRootItem::getUniqueName() const
{
    return informationOf (presetIndex).dataID;
}

int PresetRootItem::getItemHeight() const
{
    return PresetListRow::getHeight();
}

juce::String PresetRootItem::getDisplayText() const
{
    return informationOf (presetIndex).name;
}

void PresetRootItem::paintItem (juce::Graphics& g, int width, int height)
{
    PresetListRow::drawText (g, getDisplayText(), width, height);
}
} // namespace xTV200_ui
