#pragma once

#include "ui/CurrentProgramWatcher.h"
#include "ui/ImageTextButton.h"
#include "ui/ProgramNameDisplayComponent.h"
#include "ui/state/RightPanePageModelObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace xTV200_ui
{
/** The strip across the top of the main window: the logo, the program name
    display in its bezel, the "Write" button and the three buttons that
    choose the right pane's page (the page shown lit red).

    The display follows the current program: "Prog 001" and the name for a
    library program, "Preset 001" and the name for a preset's program, dashes
    when there is none. */
class HeaderComponent final : public juce::Component,
                              private RightPanePageModelObserver,
                              private juce::Button::Listener
{
public:
    HeaderComponent();
    ~HeaderComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    ui::ImageTextButton& getWriteButton() noexcept { return writeButton; }
    const ProgramNameDisplayComponent& getProgramNameDisplay() const noexcept { return programNameDisplay; }

    /** 0 "Favorites", 1 "Web", 2 "Info". */
    ui::ImageTextButton& getModeButton (int page) { return *modeButtons.at (static_cast<size_t> (page)); }

private:
    void pageChanged() override;
    void buttonClicked (juce::Button* button) override;
    void setFaces (ui::ImageTextButton& button, bool lit);
    void refreshModeButtons();
    void refreshProgramName();

    juce::Image normalFace, selectedFace, backgroundTile, logo, bezel;
    ProgramNameDisplayComponent programNameDisplay;
    ui::ImageTextButton writeButton{"Write"};
    ui::ImageTextButton favoritesButton{"Favorites"};
    ui::ImageTextButton webButton{"Web"};
    ui::ImageTextButton infoButton{"Info"};
    std::array<ui::ImageTextButton*, 3> modeButtons{&favoritesButton, &webButton, &infoButton};
    CurrentProgramWatcher programWatcher{[this] { refreshProgramName(); }};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HeaderComponent)
};
} // namespace xTV200_ui
