#pragma once

#include "ui/ImageTextButton.h"
#include "ui/state/RightPanePageModelObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace xTV200_ui
{
/** The strip across the top of the main window: the logo, the bezel of the
    program name display, the "Write" button and the three buttons that
    choose the right pane's page (the page shown lit red). */
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

    /** 0 "Favorites", 1 "Web", 2 "Info". */
    ui::ImageTextButton& getModeButton (int page) { return *modeButtons.at (static_cast<size_t> (page)); }

private:
    void pageChanged() override;
    void buttonClicked (juce::Button* button) override;
    void setFaces (ui::ImageTextButton& button, bool lit);
    void refreshModeButtons();

    juce::Image normalFace, selectedFace, backgroundTile, logo, bezel;
    ui::ImageTextButton writeButton{"Write"};
    ui::ImageTextButton favoritesButton{"Favorites"};
    ui::ImageTextButton webButton{"Web"};
    ui::ImageTextButton infoButton{"Info"};
    std::array<ui::ImageTextButton*, 3> modeButtons{&favoritesButton, &webButton, &infoButton};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HeaderComponent)
};
} // namespace xTV200_ui
