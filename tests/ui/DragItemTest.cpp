#include "ui/PresetDataDragItem.h"
#include "ui/ProgramListDragItem.h"

#include <gtest/gtest.h>

namespace
{
using juce::var;
using Vars = juce::Array<var>;

TEST (ProgramListDragItemTest, RoundTripsThroughItsVarForm)
{
    const ui::ProgramListDragItem item ("ProgramListDragItem", { 3, 7, 299 });
    const ui::ProgramListDragItem decoded (item.toVar());

    EXPECT_TRUE (decoded.isValid());
    EXPECT_EQ (decoded.getName(), "ProgramListDragItem");
    EXPECT_EQ (decoded.getRows(), (std::vector<int> { 3, 7, 299 }));
    EXPECT_TRUE (ui::ProgramListDragItem::matches (item.toVar(), "ProgramListDragItem"));
    EXPECT_FALSE (ui::ProgramListDragItem::matches (item.toVar(), "FavoriteDataDragItem"));
}

TEST (ProgramListDragItemTest, RefusesDescriptionsOfAnotherForm)
{
    const var descriptions[] {
        var(), var ("ProgramListDragItem"), var (Vars { "ProgramListDragItem" }),
        var (Vars { 5, Vars { 1 } }), var (Vars { "ProgramListDragItem", 4 }),
    };

    for (const auto& description : descriptions)
    {
        EXPECT_FALSE (ui::ProgramListDragItem (description).isValid()) << juce::JSON::toString (description);
        EXPECT_FALSE (ui::ProgramListDragItem::matches (description, "ProgramListDragItem"));
    }
}

TEST (PresetDataDragItemTest, DecodesOnlyExactlyThreeElementsWithItsName)
{
    const auto good = ui::PresetDataDragItem { "PresetDataDragItem", 2, 41 }.toVar();
    const auto decoded = ui::PresetDataDragItem::decode (good, "PresetDataDragItem");
    ASSERT_TRUE (decoded.has_value());
    EXPECT_EQ (decoded->presetIndex, 2);
    EXPECT_EQ (decoded->programIndex, 41);

    const var refused[] {
        good, var (Vars { "PresetDataDragItem", 2 }), var (Vars { "PresetDataDragItem", 2, 41, 0 }),
        var (Vars { "PresetDataDragItem", "2", 41 }), var (Vars { "PresetDataDragItem", 2, 1.5 }),
    };
    EXPECT_FALSE (ui::PresetDataDragItem::decode (refused[0], "ProgramListDragItem").has_value());

    for (size_t i = 1; i < std::size (refused); ++i)
        EXPECT_FALSE (ui::PresetDataDragItem::decode (refused[i], "PresetDataDragItem").has_value())
            << juce::JSON::toString (refused[i]);
}
} // namespace
