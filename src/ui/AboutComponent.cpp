#include "ui/AboutComponent.h"

#include "app/ApplicationInfo.h"
#include "ui/ModalDialogRunner.h"

#include <TolmVESKPictures.h>

namespace ui
{
namespace
{
    void setUpLabel (juce::Label& label, const juce::String& text, juce::Justification justification)
    {
        label.setText (text, juce::dontSendNotification);
        label.setFont (juce::Font (15.0f, juce::Font::plain));
        label.setJustificationType (justification);
        // Clicks on the labels close the box as clicks on the picture do.
        label.setInterceptsMouseClicks (false, false);
    }
} // namespace

AboutComponent::AboutComponent()
    : picture (juce::ImageCache::getFromMemory (TolmVESKPictures::AboutPicture_png,
                                                TolmVESKPictures::AboutPicture_pngSize))
{
    setUpLabel (versionLabel, juce::String ("version: ") + xTV200_application::ApplicationInfo::version,
                juce::Justification::centredRight);
    setUpLabel (noticeLabel, "(C) TolmVESK Sound Librarian developers",
                juce::Justification::centredLeft);
    addAndMakeVisible (versionLabel);
    addAndMakeVisible (noticeLabel);
    setSize (600, 400);
}

AboutComponent::~AboutComponent() = default;

void AboutComponent::mouseDown (const juce::MouseEvent&)
{
    ModalDialogRunner::finish (*this, 0);
}

void AboutComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
    g.drawImage (picture, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}

void AboutComponent::resized()
{
    versionLabel.setBounds (344, 368, 246, 24);
    noticeLabel.setBounds (16, 368, 280, 24);
}
} // namespace ui
