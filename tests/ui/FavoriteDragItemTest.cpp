#include "ui/FavoriteDragItem.h"
#include "ui/PresetDataDragItem.h"

#include <gtest/gtest.h>

namespace
{
using juce::var;
using Vars = juce::Array<var>;
using xTV200_ui::FavoriteDragItem;

TEST (FavoriteDragItemTest, TravelsAsNameBankAndSlot)
{
    const FavoriteDragItem item (FavoriteDragItem::favoriteDragName, 3, 5);
    EXPECT_EQ (juce::JSON::toString (item.getDescription(), true), "[\"FavoriteDataDragItem\", 3, 5]");

    const FavoriteDragItem decoded (item.getDescription());
    EXPECT_TRUE (decoded.isValid());
    EXPECT_EQ (decoded.getName(), "FavoriteDataDragItem");
    EXPECT_EQ (decoded.getBank(), 3);
    EXPECT_EQ (decoded.getSlot(), 5);
    EXPECT_TRUE (FavoriteDragItem::isFavoriteDrag (item.getDescription()));

    const FavoriteDragItem wide (var (Vars{"FavoriteDataDragItem", var (juce::int64 (2)), 7}));
    EXPECT_TRUE (wide.isValid()) << "a 64-bit integer is an integer too";
    EXPECT_EQ (wide.getBank(), 2);
}

TEST (FavoriteDragItemTest, RefusesEveryOtherForm)
{
    const var refused[]{
        var(),
        var ("FavoriteDataDragItem"),
        var (Vars{"FavoriteDataDragItem", 3}),
        var (Vars{"FavoriteDataDragItem", 3, 5, 0}),
        var (Vars{"FavoriteDataDragItem", "3", 5}),
        var (Vars{"FavoriteDataDragItem", 3, 5.0}),
        var (Vars{"FavoriteDataDragItem", true, 5}),
        var (Vars{1, 3, 5}),
    };

    for (const auto& description : refused)
    {
        EXPECT_FALSE (FavoriteDragItem (description).isValid()) << juce::JSON::toString (description);
        EXPECT_FALSE (FavoriteDragItem::isFavoriteDrag (description)) << juce::JSON::toString (description);
    }
}

TEST (FavoriteDragItemTest, APresetDragHasTheFormButIsNoFavoriteDrag)
{
    const auto preset = ui::PresetDataDragItem{"PresetDataDragItem", 2, 41}.toVar();

    EXPECT_TRUE (FavoriteDragItem (preset).isValid());
    EXPECT_FALSE (FavoriteDragItem::isFavoriteDrag (preset));
    EXPECT_FALSE (FavoriteDragItem::isFavoriteDrag (var (Vars{"favoritedatadragitem", 1, 0})))
        << "the name is compared exactly";
}
} // namespace
