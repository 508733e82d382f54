#include "ui/HeaderComponent.h"

#include "app/gui/ApplicationMenuManager.h"
#include "data/CurrentProgramData.h"
#include "ui/FontLibrary.h"
#include "ui/state/RightPanePageModel.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
namespace
{
juce::Image picture (const void* data, int size)
{
    return juce::ImageCache::getFromMemory (data, size);
}

const juce::Colour hoverOverlay (0x25e4e4e4);
} // namespace

HeaderComponent::HeaderComponent()
    : normalFace (picture (TolmVESKPictures::DarkButtonFace_png, TolmVESKPictures::DarkButtonFace_pngSize))
    , selectedFace (picture (TolmVESKPictures::RedButtonFace_png, TolmVESKPictures::RedButtonFace_pngSize))
    , backgroundTile (picture (TolmVESKPictures::HeaderBackgroundTile_png,
                               TolmVESKPictures::HeaderBackgroundTile_pngSize))
    , logo (picture (TolmVESKPictures::Logo_png, TolmVESKPictures::Logo_pngSize))
    , bezel (picture (TolmVESKPictures::DisplayBezel_png, TolmVESKPictures::DisplayBezel_pngSize))
{
    programNameDisplay.setName ("new component");
    addAndMakeVisible (programNameDisplay);

    for (auto* button : {&writeButton, &favoritesButton, &webButton, &infoButton})
    {
        button->setButtonText (button->getName());
        button->setFont (FontLibrary::getInstance()->getFont ("HeaderModeButton"));
        button->setTextColour (juce::Colours::white);
        button->addListener (this);
        addAndMakeVisible (button);
    }

    // Write runs the Write Library Data command, so it is disabled with it.
    writeButton.setCommandToTrigger (&xTV200_menu::ApplicationMenuManager::getInstance()->getCommandManager(),
                                     xTV200_menu::ApplicationMenuCommands::midiWriteLibrary, false);
    setFaces (writeButton, false);
    refreshModeButtons();
    refreshProgramName();
    RightPanePageModel::getInstance()->addObserver (this);
}

HeaderComponent::~HeaderComponent()
{
    if (auto* model = RightPanePageModel::getInstanceWithoutCreating())
        model->removeObserver (this);
}

void HeaderComponent::paint (juce::Graphics& g)
{
    const auto centre = juce::roundToInt (getWidth() * 0.5);

    for (int x = 0; x < getWidth(); x += 64)
        for (int y = 0; y < getHeight(); y += 64)
            g.drawImage (backgroundTile, x, y, 64, 64, 0, 0, 64, 64);

    g.setColour (juce::Colours::black);
    g.fillRect (centre - 106, 10, 212, 42);

    // The pictures are stored at twice the size they are drawn.
    g.drawImage (logo, juce::Rectangle<float> (20.0f, 4.0f, 149.0f, 48.0f),
                 juce::RectanglePlacement::stretchToFit);
    g.drawImage (bezel, juce::Rectangle<float> (static_cast<float> (centre - 129), 4.0f, 259.0f, 51.0f),
                 juce::RectanglePlacement::stretchToFit);
}

void HeaderComponent::resized()
{
    const auto centre = juce::roundToInt (getWidth() * 0.5);
    programNameDisplay.setBounds (centre - 96, 15, 192, 32);
    writeButton.setBounds (centre + 146, 9, 70, 21);
    favoritesButton.setBounds (centre + 146, 34, 70, 21);
    webButton.setBounds (centre + 223, 34, 70, 21);
    infoButton.setBounds (centre + 300, 34, 70, 21);
}

void HeaderComponent::pageChanged()
{
    refreshModeButtons();
}

void HeaderComponent::buttonClicked (juce::Button* button)
{
    for (int page = 0; page < static_cast<int> (modeButtons.size()); ++page)
    {
        if (button == modeButtons[static_cast<size_t> (page)])
        {
            RightPanePageModel::getInstance()->setPage (page);
            refreshModeButtons();
        }
    }
}

void HeaderComponent::setFaces (ui::ImageTextButton& button, bool lit)
{
    button.setImages (false, true, false, lit ? selectedFace : normalFace, 1.0f,
                      juce::Colours::transparentBlack, juce::Image(), 1.0f, hoverOverlay, selectedFace, 1.0f,
                      hoverOverlay, 0.0f);
}

void HeaderComponent::refreshModeButtons()
{
    const auto page = RightPanePageModel::getInstance()->getPage();

    for (size_t index = 0; index < modeButtons.size(); ++index)
        setFaces (*modeButtons[index], static_cast<int> (index) == page);
}

void HeaderComponent::refreshProgramName()
{
    const auto* current = xTV200_data::CurrentProgramData::getInstance();
    const auto mode = current->getMode();

    if (mode == xTV200_data::CurrentProgramData::noProgram)
    {
        programNameDisplay.setLines ("Prog ---", "------------");
        return;
    }

    const auto* kind = mode == xTV200_data::CurrentProgramData::presetProgram ? "Preset" : "Prog";
    programNameDisplay.setLines (kind + juce::String::formatted (" %03d", current->getProgramIndex() + 1),
                                 current->getProgram().getName().trim());
}
} // namespace xTV200_ui
