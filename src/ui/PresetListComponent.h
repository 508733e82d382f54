#pragma once

#include "app/PreferencesDataChangeBroadcasterObserver.h"
#include "data/PresetDataChangeBroadcasterObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace xTV200_ui
{
/** The content of the preset window: a tree with one open branch per
    installed bundle and its 300 programs under it.

    The tree is built again from the data centre whenever the presets are
    reloaded or the preferences change (the rows follow the list size), which
    resets its selection, openness and scroll position. It is the drag
    container of the programs dragged out of it, and lets them leave the
    window for the main window's program list.
*/
class PresetListComponent final : public juce::Component,
                                  public data::PresetDataChangeBroadcasterObserver,
                                  public juce::DragAndDropContainer,
                                  public application::PreferencesDataChangeBroadcasterObserver
{
public:
    static constexpr int defaultWidth = 250;
    static constexpr int defaultHeight = 500;

    PresetListComponent();
    ~PresetListComponent() override;

    void resized() override;
    void presetDataChanged() override;
    void preferencesChanged() override;

    juce::TreeView& getTreeView() noexcept { return treeView; }

private:
    void rebuild();

    juce::TreeView treeView { "Preset List" };
    std::unique_ptr<juce::TreeViewItem> rootItem;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetListComponent)
};
} // namespace xTV200_ui
