#include "ui/LeftPaneComponent.h"

#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/PreferencesDataChangeBroadcaster.h"
#include "data/DataCenter.h"

namespace xTV200_ui
{
LeftPaneComponent::LeftPaneComponent()
    : view (xTV200_data::DataCenter::getInstance()->getLibrary()),
      controller (xTV200_data::DataCenter::getInstance()->getLibrary())
{
    programList.setName ("Program List");
    programList.setDragNames ("ProgramListDragItem", "PresetDataDragItem");
    programList.setMarkerColours (juce::Colour (0xff730303), juce::Colour (0xdd430303));
    programList.setRowHeight (getPreferredRowHeight());

    auto& list = programList.getList();
    list.setHeaderHeight (28);
    list.setColour (juce::ListBox::backgroundColourId, juce::Colours::black);
    programList.setLookAndFeel (&lookAndFeel);
    addAndMakeVisible (programList);

    setSize (600, 400);
    application::PreferencesDataChangeBroadcaster::getInstance()->addObserver (this);
}

LeftPaneComponent::~LeftPaneComponent()
{
    if (auto* broadcaster = application::PreferencesDataChangeBroadcaster::getInstanceWithoutCreating())
        broadcaster->removeObserver (this);

    programList.setLookAndFeel (nullptr);
}

void LeftPaneComponent::resized()
{
    programList.setBounds (getLocalBounds());
}

int LeftPaneComponent::getPreferredRowHeight()
{
    const auto height = xTV200_preferences::PreferencesData::getInstance()->getInt (
        xTV200_preferences::PreferenceKeys::ProgramListHeight, 0);
    return juce::jmax (1, height);
}

void LeftPaneComponent::preferencesChanged()
{
    programList.setRowHeight (getPreferredRowHeight());
}

void LeftPaneComponent::sharingStateChanged()
{
    programList.refresh();
}

void LeftPaneComponent::setTwitterAccountState (const twitter::TwitterAccountState* account)
{
    view.setTwitterAccountState (account);
    sharingStateChanged();
}

void LeftPaneComponent::setNewPresetTweetCounter (const xTV200_twitter::NewPresetTweetCounter* counter)
{
    view.setNewPresetTweetCounter (counter);
    sharingStateChanged();
}

void LeftPaneComponent::setTweetDialogLauncher (std::function<void (int, int)> launcher)
{
    view.setTweetDialogLauncher (std::move (launcher));
}
} // namespace xTV200_ui
