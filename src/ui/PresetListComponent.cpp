#include "ui/PresetListComponent.h"

#include "app/PreferencesDataChangeBroadcaster.h"
#include "data/DataCenter.h"
#include "data/PresetData.h"
#include "data/PresetDataChangeBroadcaster.h"
#include "ui/PresetDataItem.h"
#include "ui/PresetRootItem.h"

namespace xTV200_ui
{
namespace
{
    /** The tree's hidden root, which only holds the bundles' branches. */
    class HiddenRootItem final : public juce::TreeViewItem
    {
    public:
        bool mightContainSubItems() override { return true; }
    };
} // namespace

PresetListComponent::PresetListComponent()
{
    treeView.setRootItemVisible (false);
    treeView.setDefaultOpenness (true);
    treeView.setColour (juce::TreeView::backgroundColourId, juce::Colours::black);
    treeView.setColour (juce::TreeView::linesColourId, juce::Colours::white);
    // Program rows paint their own selection; a bundle's row shows none.
    treeView.setColour (juce::TreeView::selectedItemBackgroundColourId, juce::Colours::transparentBlack);
    addAndMakeVisible (treeView);

    data::PresetDataChangeBroadcaster::getInstance()->addObserver (this);
    application::PreferencesDataChangeBroadcaster::getInstance()->addObserver (this);

    rebuild();
    setSize (defaultWidth, defaultHeight);
}

PresetListComponent::~PresetListComponent()
{
    application::PreferencesDataChangeBroadcaster::getInstance()->removeObserver (this);
    data::PresetDataChangeBroadcaster::getInstance()->removeObserver (this);
    treeView.setRootItem (nullptr);
}

void PresetListComponent::resized()
{
    treeView.setBounds (getLocalBounds());
}

void PresetListComponent::presetDataChanged()
{
    rebuild();
}

void PresetListComponent::preferencesChanged()
{
    rebuild();
}

void PresetListComponent::rebuild()
{
    // The view must let go of the old items before they are deleted.
    treeView.setRootItem (nullptr);
    rootItem = std::make_unique<HiddenRootItem>();

    const auto numPresets = xTV200_data::DataCenter::getInstance()->getPresets().getNumPresets();

    for (int presetIndex = 0; presetIndex < numPresets; ++presetIndex)
    {
        auto* branch = new PresetRootItem (presetIndex);

        for (int programIndex = 0; programIndex < xTV200_data::PresetData::numPrograms; ++programIndex)
            branch->addSubItem (new PresetDataItem (presetIndex, programIndex));

        rootItem->addSubItem (branch);
    }

    treeView.setRootItem (rootItem.get());
}
} // namespace xTV200_ui
