#include "ui/FavoriteDisplayComponent.h"

#include "app/LibraryEditProcessor.h"
#include "data/DataCenter.h"
#include "data/DataChangeBroadcaster.h"
#include "ui/FavoriteDragItem.h"
#include "ui/FontLibrary.h"
#include "ui/ProgramListDragItem.h"

#include <TolmVESKPictures.h>

namespace xTV200_ui
{
namespace
{
using xTV200_data::FavoriteData;
using xTV200_data::LibraryData;

juce::Image picture (const void* data, int size)
{
    return juce::ImageCache::getFromMemory (data, size);
}

// The pointer has to travel this far (in x plus y) from where it entered
// before a press turns into a drag.
constexpr int dragThreshold = 5;

const juce::Colour mouseOverSilhouette (0xcc111111);

// Bank 0 (the category slots) follows the program list's reordering only;
// the page edits banks 1 and up.
bool isEditableSlot (int bank, int slot)
{
    return bank >= FavoriteDisplayComponent::firstEditableBank && bank < FavoriteData::numBanks &&
           juce::isPositiveAndBelow (slot, FavoriteData::numSlots);
}

LibraryData& library()
{
    return xTV200_data::DataCenter::getInstance()->getLibrary();
}
} // namespace

FavoriteDisplayComponent::FavoriteDisplayComponent (int bankToShow, int slotToShow)
    : bank (bankToShow)
    , slot (slotToShow)
    , overImage (picture (TolmVESKPictures::FavoriteButtonDragOver_png,
                          TolmVESKPictures::FavoriteButtonDragOver_pngSize))
    , normalImage (picture (TolmVESKPictures::FavoriteButton_png, TolmVESKPictures::FavoriteButton_pngSize))
{
    setSize (displayWidth, displayHeight);
    data::DataChangeBroadcaster::getInstance()->addObserver (this);
    dataChanged();
}

FavoriteDisplayComponent::~FavoriteDisplayComponent()
{
    if (auto* broadcaster = data::DataChangeBroadcaster::getInstanceWithoutCreating())
        broadcaster->removeObserver (this);
}

void FavoriteDisplayComponent::dataChanged()
{
    const auto& currentLibrary = library();
    const auto value = currentLibrary.getFavorites().getValue (bank, slot);
    auto changed = false;

    if (value != shownValue)
    {
        shownValue = value;
        numberText = juce::String::formatted ("%03d", value + 1);
        changed = true;
    }

    // An index outside the library (only from outside data) shows the
    // library's fallback program; the slot itself is left as it is.
    const auto name = currentLibrary.getProgram (value).getName();

    if (name != nameText)
    {
        nameText = name;
        changed = true;
    }

    if (changed)
        repaint();
}

void FavoriteDisplayComponent::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    g.setColour (juce::Colours::black);

    if (dragOver)
    {
        g.drawImage (overImage, area);
    }
    else if (mouseOver)
    {
        // The button's own shape as a dark silhouette.
        g.setColour (mouseOverSilhouette);
        g.drawImage (normalImage, area, juce::RectanglePlacement::stretchToFit, true);
    }
    else
    {
        g.drawImage (normalImage, area);
    }

    const auto centre = juce::roundToInt (getWidth() * 0.5);
    g.setColour (juce::Colours::white);
    g.setFont (FontLibrary::getInstance()->getFont ("FavoriteDisplayNumber"));
    g.drawText (numberText, centre - 36, 8, 70, 20, juce::Justification::centred, false);
    g.setFont (FontLibrary::getInstance()->getFont ("FavoriteDisplayName"));
    g.drawFittedText (nameText, centre - 36, 22, 70, 20, juce::Justification::centred, 1, 0.7f);
}

void FavoriteDisplayComponent::mouseEnter (const juce::MouseEvent& e)
{
    mouseOver = true;
    repaint();
    dragStarted = false;
    enterPosition = e.getPosition();
}

void FavoriteDisplayComponent::mouseExit (const juce::MouseEvent&)
{
    mouseOver = false;
    repaint();
}

void FavoriteDisplayComponent::mouseDrag (const juce::MouseEvent& e)
{
    // One entry of the pointer starts at most one drag: the next one needs
    // the pointer to leave and come back.
    if (dragStarted)
        return;

    auto* container = juce::DragAndDropContainer::findParentDragContainerFor (this);

    if (container == nullptr)
        return;

    const auto travelled = e.getPosition() - enterPosition;

    if (std::abs (travelled.x) + std::abs (travelled.y) >= dragThreshold)
    {
        container->startDragging (
            FavoriteDragItem (FavoriteDragItem::favoriteDragName, bank, slot).getDescription(), this);
        dragStarted = true;
    }
}

void FavoriteDisplayComponent::mouseWheelMove (const juce::MouseEvent& e,
                                               const juce::MouseWheelDetails& wheel)
{
    // The wheel belongs to the page's viewport, even over a button.
    juce::Component::mouseWheelMove (e, wheel);
}

bool FavoriteDisplayComponent::isOtherFavorite (const juce::var& description) const
{
    if (! FavoriteDragItem::isFavoriteDrag (description))
        return false;

    // A slot that no button shows can only come from a forged description;
    // swapping with one outside the favourites would lose this slot's program.
    const FavoriteDragItem item (description);
    return isEditableSlot (item.getBank(), item.getSlot()) &&
           (item.getBank() != bank || item.getSlot() != slot);
}

bool FavoriteDisplayComponent::isInterestedInDragSource (const SourceDetails& details)
{
    return ui::ProgramListDragItem::matches (details.description, programDragName) ||
           isOtherFavorite (details.description);
}

void FavoriteDisplayComponent::itemDragEnter (const SourceDetails&)
{
    dragOver = true;
    repaint();
}

void FavoriteDisplayComponent::itemDragExit (const SourceDetails&)
{
    dragOver = false;
    repaint();
}

void FavoriteDisplayComponent::itemDropped (const SourceDetails& details)
{
    dragOver = false;
    repaint();

    if (FavoriteDragItem::isFavoriteDrag (details.description))
        dropFavorite (details.description);
    else if (ui::ProgramListDragItem::matches (details.description, programDragName))
        dropPrograms (details.description);
}

void FavoriteDisplayComponent::dropFavorite (const juce::var& description)
{
    if (! isOtherFavorite (description))
        return;

    const FavoriteDragItem item (description);
    xTV200_application::LibraryEditProcessor editor;

    if (juce::ModifierKeys::getCurrentModifiers().isCtrlDown())
        editor.copyFavorite (item.getBank(), item.getSlot(), bank, slot);
    else
        editor.swapFavorites (item.getBank(), item.getSlot(), bank, slot);

    data::DataChangeBroadcaster::getInstance()->triggerAsyncUpdate();
}

void FavoriteDisplayComponent::dropPrograms (const juce::var& description)
{
    // Rows travel in ascending order, so the first is the lowest dragged
    // program; the others are not assigned. A row outside the library would
    // store a slot that refers to no program.
    const ui::ProgramListDragItem item (description);

    if (item.getRows().empty() ||
        ! juce::isPositiveAndBelow (item.getRows().front(), LibraryData::numPrograms))
        return;

    xTV200_application::LibraryEditProcessor().setFavorite (bank, slot, item.getRows());
}
} // namespace xTV200_ui
