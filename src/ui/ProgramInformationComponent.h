#pragma once

#include "ui/CurrentProgramWatcher.h"
#include "ui/FilterTypeDisplayComponent.h"
#include "ui/OscTypeDisplayComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

namespace xTV200_ui
{
/** The "Info" page of the right pane: what the current program is made of,
    shown the way the synthesizer's own displays and lamps would show it. For
    each timbre the three oscillator panels and the filter panel, then the
    three effect types and the arpeggiator and vocoder lamps.

    In debug mode the page is taller and also shows the program's programmer,
    comment and video link, with a button that opens the link.
*/
class ProgramInformationComponent final : public juce::Component, private juce::Button::Listener
{
public:
    static constexpr int numEffects = 3;

    ProgramInformationComponent();
    ~ProgramInformationComponent() override;

    /** Oscillator 0 to 2 of timbre 0 (A) or 1 (B). */
    const OscTypeDisplayComponent& getOscillatorPanel (int timbre, int oscillator) const;
    const FilterTypeDisplayComponent& getFilterPanel (int timbre) const;

    /** 0 PreFX, 1 ModFX, 2 Rev/Delay. */
    const juce::Label& getEffectLabel (int effectIndex) const
    {
        return effectLabels.at (static_cast<size_t> (effectIndex));
    }

    bool isArpeggiatorLampOn() const;
    bool isVocoderLampOn() const;

    /** 0 programmer, 1 comment, 2 video link: the fields shown in debug mode. */
    const juce::TextEditor& getInformationField (int field) const
    {
        return fields.at (static_cast<size_t> (field));
    }
    juce::TextButton& getWebButton() noexcept { return webButton; }

    /** Reads the current program again; also called by every change notification. */
    void refresh();

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void buttonClicked (juce::Button* button) override;
    void createPanels();
    void createEffectLabels();
    void createDebugItems (bool visible);

    std::array<std::unique_ptr<OscTypeDisplayComponent>, 6> oscillatorPanels;
    std::array<std::unique_ptr<FilterTypeDisplayComponent>, 2> filterPanels;
    std::array<juce::Label, numEffects> effectLabels;
    juce::ImageComponent arpeggiatorLamp, vocoderLamp;
    juce::Image lampOff, lampOn, labelBox;
    juce::Image timbreATitle, timbreBTitle, effectsTitle, preFxTitle, modFxTitle, revDelayTitle,
        arpeggiatorTitle, vocoderTitle;
    std::array<juce::Label, 3> captions;
    std::array<juce::TextEditor, 3> fields;
    juce::TextButton webButton{"web"};
    CurrentProgramWatcher watcher{[this] { refresh(); }};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgramInformationComponent)
};
} // namespace xTV200_ui
