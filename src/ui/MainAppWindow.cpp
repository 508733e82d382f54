#include "ui/MainAppWindow.h"

#include "app/ApplicationInfo.h"
#include "app/DataEditStatus.h"
#include "app/LastSavedFileStatus.h"
#include "app/PreferenceKeys.h"
#include "app/gui/ApplicationMenuManager.h"
#include "ui/MainComponent.h"
#include "ui/MainWindowTitle.h"
#include "ui/TooltipWindowManager.h"
#include "ui/WindowBoundsPreferences.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
using namespace xTV200_preferences;

namespace
{
const WindowBoundsPreferences mainWindowBounds ({PreferenceKeys::MainWindowPositionX,
                                                 PreferenceKeys::MainWindowPositionY,
                                                 PreferenceKeys::MainWindowWidth,
                                                 PreferenceKeys::MainWindowHeight});
} // namespace

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
    mainWindowBounds.store (lastBounds);

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
    // Limits only with a stored position: a first run keeps the framework's.
    if (mainWindowBounds.restore (*this, [this] { setResizeLimits (798, 350, 4000, 2000); }))
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
