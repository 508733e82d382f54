#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** One program of an installed preset bundle in the preset tree. Selecting it
    makes the program current (and so sends it to the synthesizer); dragging
    it carries a "PresetDataDragItem" description that the program list takes. */
class PresetDataItem final : public juce::TreeViewItem
{
public:
    /** The colour behind a selected row. */
    static constexpr juce::uint32 selectedRowColour = 0xff430303;

    PresetDataItem (int presetIndexToShow, int programIndexToShow);
    ~PresetDataItem() override;

    bool mightContainSubItems() override { return false; }

    /** "Preset:" + preset index + "-" + program index, both in decimal. */
    juce::String getUniqueName() const override;

    int getItemHeight() const override;
    void paintItem (juce::Graphics& g, int width, int height) override;
    void itemSelectionChanged (bool isNowSelected) override;
    juce::var getDragSourceDescription() override;

    int getPresetIndex() const noexcept { return presetIndex; }
    int getProgramIndex() const noexcept { return programIndex; }

    /** The row's text: the 1-based program number in brackets, then the name,
        as in "[007] Warm Pad". */
    juce::String getDisplayText() const;

private:
    const int presetIndex;
    const int programIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetDataItem)
};
} // namespace xTV200_ui
