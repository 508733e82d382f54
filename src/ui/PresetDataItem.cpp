#include "ui/PresetDataItem.h"

#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "ui/PresetDataDragItem.h"
#include "ui/PresetListRow.h"

namespace xTV200_ui
{
PresetDataItem::PresetDataItem (int presetIndexToShow, int programIndexToShow)
    : presetIndex (presetIndexToShow), programIndex (programIndexToShow)
{
}

PresetDataItem::~PresetDataItem() = default;

juce::String PresetDataItem::getUniqueName() const
{
    return "Preset:" + juce::String (presetIndex) + "-" + juce::String (programIndex);
}

int PresetDataItem::getItemHeight() const
{
    return PresetListRow::getHeight();
}

juce::String PresetDataItem::getDisplayText() const
{
    // Out-of-range indexes read the fallback bundle and program, never fail.
    const auto& preset = xTV200_data::DataCenter::getInstance()->getPresets().getPreset (presetIndex);
    return juce::String::formatted ("[%03d] ", programIndex + 1) + preset.getProgram (programIndex).getName();
}

void PresetDataItem::paintItem (juce::Graphics& g, int width, int height)
{
    if (isSelected())
        g.fillAll (juce::Colour (selectedRowColour));

    PresetListRow::drawText (g, getDisplayText(), width, height);
}

void PresetDataItem::itemSelectionChanged (bool isNowSelected)
{
    if (isNowSelected)
        xTV200_data::CurrentProgramData::getInstance()->selectPresetProgram (presetIndex, programIndex);
}

juce::var PresetDataItem::getDragSourceDescription()
{
    return ui::PresetDataDragItem { "PresetDataDragItem", presetIndex, programIndex }.toVar();
}
} // namespace xTV200_ui
