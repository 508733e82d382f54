#include "ui/PresetWindow.h"

#include "app/LocalizedText.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "ui/PresetListComponent.h"
#include "ui/PresetWindowManager.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
using namespace xTV200_preferences;

PresetWindow::PresetWindow()
    : juce::DocumentWindow (getLocalizedText ("PresetWindowTitle"), juce::Colours::white,
                            juce::DocumentWindow::closeButton, true)
{
    // The native title bar first, so that fitting the content gives the
    // window exactly the list's size rather than that plus our own title bar.
    setUsingNativeTitleBar (true);
    setContentOwned (new PresetListComponent(), true);
    restoreBounds();
    setIcon (juce::ImageCache::getFromMemory (TolmVESKPictures::ApplicationIcon_png,
                                              TolmVESKPictures::ApplicationIcon_pngSize));
    setVisible (true);
    setResizable (true, false);
}

PresetWindow::~PresetWindow()
{
    auto* preferences = PreferencesData::getInstance();
    preferences->setInt (PreferenceKeys::PresetWindowPositionX, lastBounds.getX());
    preferences->setInt (PreferenceKeys::PresetWindowPositionY, lastBounds.getY());
    preferences->setInt (PreferenceKeys::PresetWindowWidth, lastBounds.getWidth());
    preferences->setInt (PreferenceKeys::PresetWindowHeight, lastBounds.getHeight());
    clearContentComponent();
}

void PresetWindow::restoreBounds()
{
    const auto* preferences = PreferencesData::getInstance();
    const auto x = preferences->getInt (PreferenceKeys::PresetWindowPositionX, -1);
    const auto y = preferences->getInt (PreferenceKeys::PresetWindowPositionY, -1);
    const auto width = preferences->getInt (PreferenceKeys::PresetWindowWidth, getWidth());
    const auto height = preferences->getInt (PreferenceKeys::PresetWindowHeight, getHeight());

    if (x < 0 || y < 0)
    {
        centreWithSize (width, height);
        return;
    }

    setBounds (x, y, juce::jmax (100, width), juce::jmax (100, height));
    rememberBounds();
}

void PresetWindow::moved()
{
    juce::DocumentWindow::moved();
    rememberBounds();
}

void PresetWindow::resized()
{
    juce::DocumentWindow::resized();
    rememberBounds();
}

void PresetWindow::rememberBounds()
{
    lastBounds = getBounds();
}

void PresetWindow::closeButtonPressed()
{
    // Deleting the window inside its own button's callback would pull the
    // button out from under the framework.
    PresetWindowManager::getInstance()->triggerAsyncUpdate();
}
} // namespace xTV200_ui
