#include "ui/HeaderComponent.h"
#include "app/StartupSingletons.h"
#include "support/FreshSingletons.h"
#include "ui/RightPaneComponent.h"
#include "ui/state/RightPanePageModel.h"

#include <TolmVESKPictures.h>

namespace
{
using xTV200_ui::RightPanePageModel;

juce::Image redFace()
{
    return juce::ImageCache::getFromMemory (TolmVESKPictures::RedButtonFace_png,
                                            TolmVESKPictures::RedButtonFace_pngSize);
}

class HeaderComponentTest : public test::FreshSingletons
{
protected:
    void SetUp() override
    {
        FreshSingletons::SetUp();
        xTV200_application::StartupSingletons::createInStartupOrder();
        header = std::make_unique<xTV200_ui::HeaderComponent>();
        header->setSize (1110, 60);
    }

    void TearDown() override
    {
        header.reset();
        FreshSingletons::TearDown();
    }

    /** Which of the three mode buttons shows the lit face. */
    std::vector<bool> litButtons()
    {
        std::vector<bool> lit;
        for (int page = 0; page < 3; ++page)
            lit.push_back (header->getModeButton (page).getNormalImage() == redFace());
        return lit;
    }

    std::unique_ptr<xTV200_ui::HeaderComponent> header;
};

TEST_F (HeaderComponentTest, ButtonsSitRightOfTheCentre)
{
    EXPECT_EQ (header->getWriteButton().getBounds(), juce::Rectangle<int> (701, 9, 70, 21));
    EXPECT_EQ (header->getModeButton (0).getBounds(), juce::Rectangle<int> (701, 34, 70, 21));
    EXPECT_EQ (header->getModeButton (1).getBounds(), juce::Rectangle<int> (778, 34, 70, 21));
    EXPECT_EQ (header->getModeButton (2).getBounds(), juce::Rectangle<int> (855, 34, 70, 21));
    EXPECT_EQ (header->getModeButton (2).getButtonText(), "Info");
}

TEST_F (HeaderComponentTest, TheModeButtonsChooseThePageAndShowItLit)
{
    EXPECT_EQ (litButtons(), (std::vector<bool>{true, false, false})) << "every run starts on the favourites";

    header->getModeButton (2).triggerClick();
    test::deliverPendingMessages();
    EXPECT_EQ (RightPanePageModel::getInstance()->getPage(), RightPanePageModel::informationPage);
    EXPECT_EQ (litButtons(), (std::vector<bool>{false, false, true}));

    RightPanePageModel::getInstance()->setPage (RightPanePageModel::webPage);
    test::deliverPendingMessages();
    EXPECT_EQ (litButtons(), (std::vector<bool>{false, true, false}));
}

TEST_F (HeaderComponentTest, TheRightPaneHidesItsViewportOnTheWebPage)
{
    xTV200_ui::RightPaneComponent pane;
    EXPECT_TRUE (pane.getViewport().isVisible());

    RightPanePageModel::getInstance()->setPage (RightPanePageModel::webPage);
    test::deliverPendingMessages();
    EXPECT_FALSE (pane.getViewport().isVisible());

    RightPanePageModel::getInstance()->setPage (RightPanePageModel::informationPage);
    test::deliverPendingMessages();
    EXPECT_TRUE (pane.getViewport().isVisible());
}
} // namespace
