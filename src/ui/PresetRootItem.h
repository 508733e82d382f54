#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** The branch of one installed preset bundle in the preset tree; its
    sub-items are the bundle's programs. It paints the bundle's name and shows
    no selection of its own. */
class PresetRootItem final : public juce::TreeViewItem
{
public:
    explicit PresetRootItem (int presetIndexToShow);
    ~PresetRootItem() override;

    bool mightContainSubItems() override { return true; }

    /** The bundle's data ID, which no two installed bundles share. */
    juce::String getUniqueName() const override;

    int getItemHeight() const override;
    void paintItem (juce::Graphics& g, int width, int height) override;

    int getPresetIndex() const noexcept { return presetIndex; }

    /** The bundle's name, read from the data centre at each call. */
    juce::String getDisplayText() const;

private:
    const int presetIndex;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetRootItem)
};
} // namespace xTV200_ui
