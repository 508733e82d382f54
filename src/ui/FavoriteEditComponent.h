#pragma once

#include "data/FavoriteData.h"
#include "ui/FavoriteDisplayComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

namespace xTV200_ui
{
/** The favourites page of the right pane: banks 1 to 5 of eight slots each,
    one button per slot, over the page picture with the column headings and
    the row captions. It has a fixed size of 770 x 560; the right pane's
    viewport scrolls it. It is built each time the page is shown and reads the
    data centre's library. */
class FavoriteEditComponent final : public juce::Component
{
public:
    static constexpr int firstBank = FavoriteDisplayComponent::firstEditableBank;
    static constexpr int numBanksShown = 5;
    static constexpr int numSlots = xTV200_data::FavoriteData::numSlots;
    static constexpr int pageWidth = 770;
    static constexpr int pageHeight = 560;

    FavoriteEditComponent();
    ~FavoriteEditComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    /** The button of a bank (1-5) and slot (0-7). */
    FavoriteDisplayComponent& getDisplay (int bank, int slot);

private:
    juce::Image background;
    std::array<std::array<std::unique_ptr<FavoriteDisplayComponent>, numSlots>, numBanksShown> displays;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FavoriteEditComponent)
};
} // namespace xTV200_ui
