#include "app/PreferencesData.h"
#include "app/StartupSingletons.h"
#include "support/FreshSingletons.h"
#include "ui/PresetListComponent.h"
#include "ui/PresetWindow.h"
#include "ui/PresetWindowManager.h"

#include <gtest/gtest.h>

namespace
{
using xTV200_preferences::PreferencesData;
using xTV200_ui::PresetWindowManager;

class PresetWindowTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        // Every test starts as a first run, without bounds stored by another.
        PreferencesData::getDefaultPreferencesFile().deleteFile();
        xTV200_application::StartupSingletons::createInStartupOrder();
    }

    // As the application does at shutdown: the window goes while the
    // desktop it is on still exists.
    void TearDown() override
    {
        if (auto* manager = PresetWindowManager::getInstanceWithoutCreating())
            manager->deleteWindowKeepingSetting();

        FreshSingletons::TearDown();
    }

    static PreferencesData& preferences() { return *PreferencesData::getInstance(); }

    static juce::Rectangle<int> storedBounds()
    {
        return { preferences().getInt ("PresetWindowPositionX", -2), preferences().getInt ("PresetWindowPositionY", -2),
                 preferences().getInt ("PresetWindowWidth", -2), preferences().getInt ("PresetWindowHeight", -2) };
    }
};

TEST_F (PresetWindowTest, TheCloseButtonDeletesTheWindowLaterAndRemembersItClosed)
{
    auto* manager = PresetWindowManager::getInstance();
    EXPECT_EQ (manager->getWindow(), nullptr);

    manager->openWindow();
    auto* window = manager->getWindow();
    ASSERT_NE (window, nullptr);
    EXPECT_TRUE (window->isOnDesktop());
    EXPECT_TRUE (window->isVisible());
    EXPECT_EQ (window->getName(), "Preset Data");
    EXPECT_NE (dynamic_cast<xTV200_ui::PresetListComponent*> (window->getContentComponent()), nullptr);
    EXPECT_TRUE (preferences().getBool ("ShowPresetWindow", false));

    manager->openWindow();
    EXPECT_EQ (manager->getWindow(), window) << "an open window is kept";

    window->closeButtonPressed();
    EXPECT_EQ (manager->getWindow(), window) << "not deleted inside its own button's callback";
    test::deliverPendingMessages();
    EXPECT_EQ (manager->getWindow(), nullptr);
    EXPECT_FALSE (preferences().getBool ("ShowPresetWindow", true));
}

TEST_F (PresetWindowTest, AnOpenRequestAfterTheCloseButtonKeepsTheWindow)
{
    auto* manager = PresetWindowManager::getInstance();
    manager->openWindow();
    manager->getWindow()->closeButtonPressed();
    manager->openOrBringToFront();
    test::deliverPendingMessages();

    EXPECT_NE (manager->getWindow(), nullptr);
    EXPECT_TRUE (preferences().getBool ("ShowPresetWindow", false));
}

TEST_F (PresetWindowTest, QuittingWithTheWindowOpenKeepsItOpenForTheNextStartAtItsBounds)
{
    PresetWindowManager::getInstance()->openWindow();
    PresetWindowManager::getInstance()->getWindow()->setBounds (30, 40, 300, 600);

    delete PresetWindowManager::getInstance();

    EXPECT_TRUE (preferences().getBool ("ShowPresetWindow", false));
    EXPECT_EQ (storedBounds(), juce::Rectangle<int> (30, 40, 300, 600));

    PresetWindowManager::getInstance()->openWindow();
    EXPECT_EQ (PresetWindowManager::getInstance()->getWindow()->getBounds(), juce::Rectangle<int> (30, 40, 300, 600));
}

TEST_F (PresetWindowTest, RestoresAStoredPositionAndCentresOtherwise)
{
    const auto screen = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;

    struct Case
    {
        int x, y, width, height;
        juce::Rectangle<int> expected; // empty: centred at the list's size
    };

    const Case cases[] {
        { 10, 10, 40, 30, { 10, 10, 100, 100 } },
        { 12, 34, 320, 640, { 12, 34, 320, 640 } },
        { -1, 10, 320, 640, {} },
        { 10, -5, 320, 640, {} },
    };

    for (const auto& c : cases)
    {
        preferences().setInt ("PresetWindowPositionX", c.x);
        preferences().setInt ("PresetWindowPositionY", c.y);
        preferences().setInt ("PresetWindowWidth", c.width);
        preferences().setInt ("PresetWindowHeight", c.height);
        SCOPED_TRACE (juce::String (c.x) + "," + juce::String (c.y));

        xTV200_ui::PresetWindow window;
        if (c.expected.isEmpty())
        {
            EXPECT_EQ (window.getBounds().getCentre(), screen.getCentre());
            EXPECT_EQ (window.getWidth(), c.width);
            EXPECT_EQ (window.getHeight(), c.height);
        }
        else
        {
            EXPECT_EQ (window.getBounds(), c.expected);
            EXPECT_EQ (window.getLastBounds(), c.expected);
        }
    }
}

TEST_F (PresetWindowTest, TheFirstOpeningIsCentredAtTheListsSize)
{
    const auto screen = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;

    {
        xTV200_ui::PresetWindow window;
        EXPECT_EQ (window.getBounds().getCentre(), screen.getCentre());
        EXPECT_EQ (window.getContentComponent()->getBounds(), juce::Rectangle<int> (0, 0, 250, 500));
    }

    EXPECT_EQ (storedBounds().getWidth(), 250) << "a window never moved still stores where it was";
    EXPECT_GE (storedBounds().getX(), 0);
}
} // namespace
