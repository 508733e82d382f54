#include "ui/MainAppWindow.h"

#include "app/ApplicationInfo.h"
#include "app/DataEditStatus.h"
#include "app/LastSavedFileStatus.h"
#include "app/PreferenceKeys.h"
#include "app/PreferencesData.h"
#include "app/gui/ApplicationMenuManager.h"
#include "ui/MainComponent.h"
#include "ui/MainWindowTitle.h"
#include "ui/TooltipWindowManager.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
using namespace xTV200_preferences;

MainAppWindow::MainAppWindow()
    : juce::DocumentWindow (xTV200_application::ApplicationInfo::name, juce::Colour (0xffd3d3d3),
                            juce::DocumentWindow::allButtons, true)
{
    // The menu bar and its menus take their look from the window.
    setLookAndFeel (&lookAndFeel);
    setContentOwned (new MainComponent(), true);
    restoreBounds();

    // Shortcuts work wherever the keyboard focus is inside the window.
    auto* menus = xTV200_menu::ApplicationMenuManager::getInstance();
    setMenuBar (menus);
    addKeyListener (menus->getCommandManager().getKeyMappings());

    updateTitle();
    setUsingNativeTitleBar (true);
    setResizable (true, false);
    setVisible (true);
    setIcon (juce::ImageCache::getFromMemory (TolmVESKPictures::ApplicationIcon_png,
                                              TolmVESKPictures::ApplicationIcon_pngSize));
    TooltipWindowManager::getInstance()->createTooltipWindowIfNeeded();

    application::DataEditStatus::getInstance()->addObserver (this);
    application::LastSavedFileStatus::getInstance()->addObserver (this);
}

MainAppWindow::~MainAppWindow()
{
    auto* preferences = PreferencesData::getInstance();
    preferences->setInt (PreferenceKeys::MainWindowPositionX, lastBounds.getX());
    preferences->setInt (PreferenceKeys::MainWindowPositionY, lastBounds.getY());
    preferences->setInt (PreferenceKeys::MainWindowWidth, lastBounds.getWidth());
    preferences->setInt (PreferenceKeys::MainWindowHeight, lastBounds.getHeight());

    application::LastSavedFileStatus::getInstance()->removeObserver (this);
    application::DataEditStatus::getInstance()->removeObserver (this);

    if (auto* tooltips = TooltipWindowManager::getInstanceWithoutCreating())
        tooltips->deleteTooltipWindow();

    if (auto* menus = xTV200_menu::ApplicationMenuManager::getInstanceWithoutCreating())
        removeKeyListener (menus->getCommandManager().getKeyMappings());

    setMenuBar (nullptr);
    clearContentComponent();
    setLookAndFeel (nullptr);
}

void MainAppWindow::restoreBounds()
{
    const auto* preferences = PreferencesData::getInstance();
    const auto x = preferences->getInt (PreferenceKeys::MainWindowPositionX, -1);
    const auto y = preferences->getInt (PreferenceKeys::MainWindowPositionY, -1);
    const auto width = preferences->getInt (PreferenceKeys::MainWindowWidth, getWidth());
    const auto height = preferences->getInt (PreferenceKeys::MainWindowHeight, getHeight());

    if (x < 0 || y < 0)
    {
        centreWithSize (width, height);
        return;
    }

    setResizeLimits (798, 350, 4000, 2000);
    setBounds (x, y, juce::jmax (100, width), juce::jmax (100, height));
    rememberBounds();
}

void MainAppWindow::moved()
{
    juce::DocumentWindow::moved();
    rememberBounds();
}

void MainAppWindow::resized()
{
    juce::DocumentWindow::resized();
    rememberBounds();
}

void MainAppWindow::rememberBounds()
{
    lastBounds = getBounds();
}

void MainAppWindow::closeButtonPressed()
{
    if (auto* application = juce::JUCEApplication::getInstance())
        application->systemRequestedQuit();
}

void MainAppWindow::updateTitle()
{
    setName (makeMainWindowTitle (application::LastSavedFileStatus::getInstance()->getFile(),
                                  application::DataEditStatus::getInstance()->isModified()));
}

void MainAppWindow::dataEditStatusChanged (bool)
{
    updateTitle();
}

void MainAppWindow::lastSavedFileChanged (const juce::File&)
{
    updateTitle();
}
} // namespace xTV200_ui
