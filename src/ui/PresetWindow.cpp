#include "ui/PresetWindow.h"

#include "app/LocalizedText.h"
#include "app/PreferenceKeys.h"
#include "ui/PresetListComponent.h"
#include "ui/PresetWindowManager.h"
#include "ui/WindowBoundsPreferences.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
using namespace xTV200_preferences;

namespace
{
const WindowBoundsPreferences presetWindowBounds ({PreferenceKeys::PresetWindowPositionX,
                                                   PreferenceKeys::PresetWindowPositionY,
                                                   PreferenceKeys::PresetWindowWidth,
                                                   PreferenceKeys::PresetWindowHeight});
} // namespace

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
    presetWindowBounds.store (lastBounds);
    clearContentComponent();
}

void PresetWindow::restoreBounds()
{
    if (presetWindowBounds.restore (*this))
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
