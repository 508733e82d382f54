#pragma once

#include "data/DataChangeObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace xTV200_ui
{
/** One favourite slot of the favourites page: a button that shows the number
    and name of the library program the slot refers to.

    A program dragged from the program list onto it sets the slot; another
    slot's button dragged onto it swaps the two slots, or with Ctrl held at
    the drop copies the dragged slot into this one. Each change is one undoable
    transaction, and every button follows the library through the data-change
    notifications, not through the drop itself.
*/
class FavoriteDisplayComponent final : public juce::Component,
                                       public juce::DragAndDropTarget,
                                       private data::DataChangeObserver
{
public:
    static constexpr int displayWidth = 91;
    static constexpr int displayHeight = 57;

    /** Bank 0 belongs to the categories and is not edited by hand. */
    static constexpr int firstEditableBank = 1;

    /** The name the program list gives its drags. */
    static constexpr const char* programDragName = "ProgramListDragItem";

    /** Registers with the data-change broadcaster and shows the slot at once. */
    FavoriteDisplayComponent (int bankToShow, int slotToShow);
    ~FavoriteDisplayComponent() override;

    int getBank() const noexcept { return bank; }
    int getSlot() const noexcept { return slot; }
    const juce::String& getNumberText() const noexcept { return numberText; }
    const juce::String& getNameText() const noexcept { return nameText; }
    bool isDragOver() const noexcept { return dragOver; }

    void paint (juce::Graphics& g) override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

private:
    void dataChanged() override;
    bool isOtherFavorite (const juce::var& description) const;
    void dropFavorite (const juce::var& description);
    void dropPrograms (const juce::var& description);

    const int bank;
    const int slot;
    bool mouseOver = false;
    bool dragOver = false;
    bool dragStarted = false;
    juce::Point<int> enterPosition;
    juce::String nameText;
    int shownValue = -1;
    juce::String numberText;
    juce::Image overImage;
    juce::Image normalImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FavoriteDisplayComponent)
};
} // namespace xTV200_ui
