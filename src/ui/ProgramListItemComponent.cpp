#include "ui/ProgramListItemComponent.h"

#include "data/ProgramPresetConnector.h"
#include "ui/FontLibrary.h"
#include "ui/state/ModalDialogState.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
ProgramListItemComponent::ProgramListItemComponent (const xTV200_data::LibraryData& libraryToShow,
                                                    const Sharing& sharingToUse)
    : library (libraryToShow), sharing (sharingToUse)
{
    badge.setFont (juce::Font ("Arial", 11.0f, juce::Font::plain));
    badge.setJustificationType (juce::Justification::centred);
    badge.setColour (juce::Label::backgroundColourId, juce::Colour (0xff860000));
    badge.setColour (juce::Label::textColourId, juce::Colours::white);
    badge.setColour (juce::Label::outlineColourId, juce::Colour (0xe3ffffff));
    badge.setInterceptsMouseClicks (false, false);
    addChildComponent (badge);

    const auto face = juce::ImageCache::getFromMemory (TolmVESKPictures::TweetButton_png,
                                                       TolmVESKPictures::TweetButton_pngSize);
    tweetButton.setButtonText ("new button");
    tweetButton.setImages (false, true, true, face, 1.0f, juce::Colours::transparentBlack, face, 0.7421f,
                           juce::Colour (0x43ffffff), face, 1.0f, juce::Colours::transparentBlack);
    tweetButton.addListener (this);
    addChildComponent (tweetButton);

    setSize (190, 22);
}

ProgramListItemComponent::~ProgramListItemComponent()
{
    tweetButton.removeListener (this);
}

void ProgramListItemComponent::update (int newRow, const juce::String& newName, bool isSelected,
                                       bool isTweetAllowed)
{
    row = newRow;
    name = newName;
    selected = isSelected;
    tweetAllowed = isTweetAllowed;

    const xTV200_data::ProgramPresetConnector connector (library.getProgram (row));
    tweetButton.setVisible (tweetAllowed && connector.found);

    const auto count = sharing.isAuthorized() && connector.found && sharing.newTweets != nullptr
                           ? sharing.newTweets->getNewTweetCount (connector.presetIndex, connector.programIndex)
                           : 0;
    badge.setText (juce::String (count), juce::dontSendNotification);
    // The selected row offers the tweet button instead of the count.
    badge.setVisible (count != 0 && ! selected);

    repaint();
}

void ProgramListItemComponent::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::white);
    g.setFont (FontLibrary::getInstance()->getFont ("ProgramListName"));
    g.drawText (name, 12, 0, getWidth() - 12, getHeight(), juce::Justification::centredLeft, true);
}

void ProgramListItemComponent::resized()
{
    badge.setBounds (getWidth() - 30, juce::roundToInt (getHeight() * 0.5) - 8, 24, 16);
    tweetButton.setBounds (getWidth() - 46, juce::roundToInt (getHeight() * 0.5227) - 9, 44, 19);
}

bool ProgramListItemComponent::hitTest (int x, int y)
{
    return tweetButton.isVisible() && tweetButton.getBounds().contains (x, y);
}

void ProgramListItemComponent::buttonClicked (juce::Button*)
{
    if (ui::ModalDialogState::getInstance()->isModal())
        return;

    const ui::ModalDialogState::Guard modalDialog;

    // The list may be stale by a click: look the program up as it is now.
    const xTV200_data::ProgramPresetConnector connector (library.getProgram (row));

    if (connector.found && sharing.showTweetDialog)
        sharing.showTweetDialog (connector.presetIndex, connector.programIndex);
}
} // namespace xTV200_ui
