#include "ui/HeaderComponent.h"
#include "app/StartupSingletons.h"
#include "data/CurrentProgramData.h"
#include "data/DataCenter.h"
#include "data/DataChangeBroadcaster.h"
#include "support/FreshSingletons.h"
#include "ui/RightPaneComponent.h"
#include "ui/state/RightPanePageModel.h"

#include <TolmVESKPictures.h>

namespace
{
using xTV200_data::CurrentProgramData;
using xTV200_data::DataCenter;
using xTV200_ui::RightPanePageModel;

void nameProgram (xTV200_data::ProgramData& program, const char* name)
{
    const juce::String text (name);
    for (int index = 0; index < xTV200_data::ProgramData::nameLength; ++index)
        program.setByte (index, static_cast<juce::uint8> (index < text.length() ? text[index] : ' '));
}

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
TEST_F (HeaderComponentTest, TheProgramNameDisplayIsTheFirstChildAboveTheCentre)
{
    EXPECT_EQ (header->getChildComponent (0), &header->getProgramNameDisplay());
    EXPECT_EQ (header->getProgramNameDisplay().getName(), "new component");
    EXPECT_EQ (header->getProgramNameDisplay().getBounds(), juce::Rectangle<int> (459, 15, 192, 32));
}

TEST_F (HeaderComponentTest, TheDisplayShowsTheCurrentProgramsNumberAndName)
{
    const auto& display = header->getProgramNameDisplay();
    CurrentProgramData::getInstance()->selectLibraryPrograms ({});
    test::deliverPendingMessages();
    EXPECT_EQ (display.getLine1(), "Prog ---");
    EXPECT_EQ (display.getLine2(), "------------");

    nameProgram (DataCenter::getInstance()->getLibrary().getProgram (0), " Warm Pad   ");
    CurrentProgramData::getInstance()->selectLibraryPrograms ({0});
    test::deliverPendingMessages();
    EXPECT_EQ (display.getLine1(), "Prog 001");
    EXPECT_EQ (display.getLine2(), "Warm Pad");
    EXPECT_EQ (xTV200_ui::ProgramNameDisplayComponent::centreInCells (display.getLine2()),
               "    Warm Pad    ");

    CurrentProgramData::getInstance()->selectLibraryPrograms ({299});
    test::deliverPendingMessages();
    EXPECT_EQ (display.getLine1(), "Prog 300");

    xTV200_data::PresetData preset;
    nameProgram (preset.getProgram (6), "Glass Bells");
    DataCenter::getInstance()->getPresets().append (preset);
    CurrentProgramData::getInstance()->selectPresetProgram (0, 6);
    test::deliverPendingMessages();
    EXPECT_EQ (display.getLine1(), "Preset 007");
    EXPECT_EQ (display.getLine2(), "Glass Bells");

    CurrentProgramData::getInstance()->selectLibraryPrograms ({1, 2});
    test::deliverPendingMessages();
    EXPECT_EQ (display.getLine1(), "Prog ---") << "several selected programs make none current";
}

TEST_F (HeaderComponentTest, ALibraryEditRenamesTheCurrentProgramOnTheDisplay)
{
    CurrentProgramData::getInstance()->selectLibraryPrograms ({4});
    test::deliverPendingMessages();

    nameProgram (DataCenter::getInstance()->getLibrary().getProgram (4), "Renamed");
    data::DataChangeBroadcaster::getInstance()->triggerAsyncUpdate();
    test::deliverPendingMessages();
    EXPECT_EQ (header->getProgramNameDisplay().getLine1(), "Prog 005");
    EXPECT_EQ (header->getProgramNameDisplay().getLine2(), "Renamed");
}
} // namespace
