#include "ui/ProgramInformationComponent.h"

#include "app/DebugModeModel.h"
#include "ui/ProgramInformationDecoder.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
namespace
{
juce::Image picture (const void* data, int size)
{
    return juce::ImageCache::getFromMemory (data, size);
}

constexpr int normalHeight = 550;
constexpr int debugHeight = 700;

const juce::Colour effectTextColour (0xd8000000);
const juce::Colour webButtonColour (0xff9a9a9a);

const std::array<int, 3> oscillatorX{16, 184, 352};
const std::array<int, 2> timbreY{56, 248};
const std::array<int, 3> effectY{447, 479, 511};

const std::array<const char*, 3> captionTexts{"programmer", "comment", "YouTube link"};
const std::array<juce::Rectangle<int>, 3> captionBounds{
    {{16, 600, 150, 24}, {248, 600, 150, 24}, {480, 600, 150, 24}}};
const std::array<juce::Rectangle<int>, 3> fieldBounds{
    {{16, 624, 216, 24}, {248, 624, 216, 24}, {480, 624, 168, 24}}};

enum Field
{
    programmerField,
    commentField,
    linkField
};

void drawPicture (juce::Graphics& g, const juce::Image& image, int x, int y, int width, int height)
{
    g.drawImage (image, juce::Rectangle<int> (x, y, width, height).toFloat(),
                 juce::RectanglePlacement::stretchToFit);
}
} // namespace

ProgramInformationComponent::ProgramInformationComponent()
    : lampOff (picture (TolmVESKPictures::DarkButtonFace_png, TolmVESKPictures::DarkButtonFace_pngSize))
    , lampOn (picture (TolmVESKPictures::RedButtonFace_png, TolmVESKPictures::RedButtonFace_pngSize))
    , labelBox (
          picture (TolmVESKPictures::InformationLabelBox_png, TolmVESKPictures::InformationLabelBox_pngSize))
    , timbreATitle (picture (TolmVESKPictures::TimbreATitle_png, TolmVESKPictures::TimbreATitle_pngSize))
    , timbreBTitle (picture (TolmVESKPictures::TimbreBTitle_png, TolmVESKPictures::TimbreBTitle_pngSize))
    , effectsTitle (picture (TolmVESKPictures::EffectsTitle_png, TolmVESKPictures::EffectsTitle_pngSize))
    , preFxTitle (picture (TolmVESKPictures::PreFxTitle_png, TolmVESKPictures::PreFxTitle_pngSize))
    , modFxTitle (picture (TolmVESKPictures::ModFxTitle_png, TolmVESKPictures::ModFxTitle_pngSize))
    , revDelayTitle (picture (TolmVESKPictures::RevDelayTitle_png, TolmVESKPictures::RevDelayTitle_pngSize))
    , arpeggiatorTitle (
          picture (TolmVESKPictures::ArpeggiatorTitle_png, TolmVESKPictures::ArpeggiatorTitle_pngSize))
    , vocoderTitle (picture (TolmVESKPictures::VocoderTitle_png, TolmVESKPictures::VocoderTitle_pngSize))
{
    const auto debugMode = xTV200_application::DebugModeModel::getInstance()->showDebugInformation;

    createPanels();
    createEffectLabels();

    for (auto* lamp : {&arpeggiatorLamp, &vocoderLamp})
    {
        lamp->setInterceptsMouseClicks (false, false);
        addAndMakeVisible (lamp);
    }

    createDebugItems (debugMode);
    setSize (720, debugMode ? debugHeight : normalHeight);
    refresh();
}

ProgramInformationComponent::~ProgramInformationComponent()
{
    webButton.removeListener (this);
}

void ProgramInformationComponent::createPanels()
{
    for (int timbre = 0; timbre < 2; ++timbre)
    {
        for (int oscillator = 0; oscillator < ProgramInformationDecoder::numOscillators; ++oscillator)
        {
            auto& panel = oscillatorPanels[static_cast<size_t> (timbre * 3 + oscillator)];
            panel = std::make_unique<OscTypeDisplayComponent> (timbre, oscillator);
            addAndMakeVisible (*panel);
        }

        filterPanels[static_cast<size_t> (timbre)] = std::make_unique<FilterTypeDisplayComponent> (timbre);
        addAndMakeVisible (*filterPanels[static_cast<size_t> (timbre)]);
    }
}

void ProgramInformationComponent::createEffectLabels()
{
    for (auto& label : effectLabels)
    {
        label.setFont (juce::Font ("Arial", 14.0f, juce::Font::bold));
        label.setColour (juce::Label::textColourId, effectTextColour);
        label.setJustificationType (juce::Justification::centredLeft);
        label.setBorderSize ({});
        addAndMakeVisible (label);
    }
}

void ProgramInformationComponent::createDebugItems (bool visible)
{
    for (size_t index = 0; index < captions.size(); ++index)
    {
        captions[index].setText (captionTexts[index], juce::dontSendNotification);
        captions[index].setFont (juce::Font (15.0f));
        captions[index].setJustificationType (juce::Justification::centredLeft);
        addChildComponent (captions[index]);
        captions[index].setVisible (visible);

        fields[index].setMultiLine (false);
        fields[index].setReadOnly (true);
        addChildComponent (fields[index]);
        fields[index].setVisible (visible);
    }

    webButton.setColour (juce::TextButton::buttonColourId, webButtonColour);
    webButton.addListener (this);
    addChildComponent (webButton);
    webButton.setVisible (visible);
}

const OscTypeDisplayComponent& ProgramInformationComponent::getOscillatorPanel (int timbre,
                                                                                int oscillator) const
{
    return *oscillatorPanels.at (
        static_cast<size_t> (juce::jlimit (0, 1, timbre) * 3 + juce::jlimit (0, 2, oscillator)));
}

const FilterTypeDisplayComponent& ProgramInformationComponent::getFilterPanel (int timbre) const
{
    return *filterPanels.at (static_cast<size_t> (juce::jlimit (0, 1, timbre)));
}

bool ProgramInformationComponent::isArpeggiatorLampOn() const
{
    return arpeggiatorLamp.getImage() == lampOn;
}

bool ProgramInformationComponent::isVocoderLampOn() const
{
    return vocoderLamp.getImage() == lampOn;
}

void ProgramInformationComponent::refresh()
{
    const auto* program = ProgramInformationDecoder::getCurrentProgram();

    for (int index = 0; index < numEffects; ++index)
        effectLabels[static_cast<size_t> (index)].setText (
            ProgramInformationDecoder::getEffectTypeName (program, index), juce::dontSendNotification);

    arpeggiatorLamp.setImage (ProgramInformationDecoder::isArpeggiatorOn (program) ? lampOn : lampOff);
    vocoderLamp.setImage (ProgramInformationDecoder::isVocoderOn (program) ? lampOn : lampOff);

    const auto* information = program != nullptr ? &program->getInformation() : nullptr;
    fields[programmerField].setText (information != nullptr ? information->programmer : juce::String(),
                                     false);
    fields[commentField].setText (information != nullptr ? information->comment : juce::String(), false);
    fields[linkField].setText (information != nullptr ? information->youTubeLink : juce::String(), false);
}

void ProgramInformationComponent::paint (juce::Graphics& g)
{
    // No background of its own: the right pane's tiles show through.
    g.setColour (juce::Colours::black);

    for (const auto y : {444, 476, 508})
        drawPicture (g, labelBox, 139, y, 153, 23);

    drawPicture (g, timbreATitle, 19, 25, 68, 19);
    drawPicture (g, timbreBTitle, 19, 217, 68, 19);
    drawPicture (g, effectsTitle, 11, 409, 68, 19);
    drawPicture (g, preFxTitle, 20, 449, 30, 11);
    drawPicture (g, modFxTitle, 20, 482, 33, 11);
    drawPicture (g, revDelayTitle, 20, 515, 46, 11);
    drawPicture (g, arpeggiatorTitle, 428, 425, 60, 11);
    drawPicture (g, vocoderTitle, 436, 489, 41, 11);
}

void ProgramInformationComponent::resized()
{
    for (size_t timbre = 0; timbre < timbreY.size(); ++timbre)
    {
        for (size_t oscillator = 0; oscillator < oscillatorX.size(); ++oscillator)
            oscillatorPanels[timbre * 3 + oscillator]->setTopLeftPosition (oscillatorX[oscillator],
                                                                           timbreY[timbre]);

        filterPanels[timbre]->setBounds (552, timbreY[timbre], 153, 93);
    }

    for (size_t index = 0; index < effectLabels.size(); ++index)
        effectLabels[index].setBounds (143, effectY[index], 144, 16);

    arpeggiatorLamp.setBounds (424, 443, 70, 21);
    vocoderLamp.setBounds (424, 507, 70, 21);

    for (size_t index = 0; index < captions.size(); ++index)
    {
        captions[index].setBounds (captionBounds[index]);
        fields[index].setBounds (fieldBounds[index]);
    }

    webButton.setBounds (664, 624, 40, 24);
}

void ProgramInformationComponent::buttonClicked (juce::Button* button)
{
    const auto link = fields[linkField].getText().trim();

    if (button == &webButton && link.isNotEmpty())
        juce::URL (link).launchInDefaultBrowser();
}
} // namespace xTV200_ui
