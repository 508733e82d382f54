#include "ui/DragCopyTarget.h"
#include "ui/DragInsertOrder.h"
#include "ui/DraggableTableListBox.h"

#include <gtest/gtest.h>

namespace
{
using Rows = std::vector<int>;

TEST (DragInsertOrderTest, MovesTheDraggedBlockToTheGapAmongTheOtherRows)
{
    struct Case
    {
        int numRows;
        Rows dragged;
        int insertIndex;
        Rows expectedOrder;
        Rows expectedPositions;
    };

    const Case cases[] {
        {5, {1, 3}, 4, {0, 2, 1, 3, 4}, {2, 3}},
        {5, {1, 3}, 0, {1, 3, 0, 2, 4}, {0, 1}},
        {5, {1, 3}, 5, {0, 2, 4, 1, 3}, {3, 4}},
        {5, {0}, 5, {1, 2, 3, 4, 0}, {4}},
        {5, {2}, 2, {0, 1, 2, 3, 4}, {2}}, // just above itself
        {5, {2}, 3, {0, 1, 2, 3, 4}, {2}}, // just below itself
        {5, {2, 9}, 0, {2, 0, 1, 3, 4}, {0}}, // a row that is not there is left out
    };

    for (const auto& c : cases)
    {
        const auto current = ui::DragInsertOrder::makeIdentityOrder (c.numRows);
        const ui::DragInsertOrder order (current, c.dragged, c.insertIndex);
        EXPECT_EQ (order.getNewOrder(), c.expectedOrder) << "insert at " << c.insertIndex;
        EXPECT_EQ (order.getMovedPositions(), c.expectedPositions) << "insert at " << c.insertIndex;
    }
}

TEST (DragCopyTargetTest, CopiesFromTheTargetRowButNeverPastTheLastRow)
{
    using Pairs = std::map<int, int>;

    struct Case
    {
        int numRows;
        Rows dragged;
        int targetRow;
        Pairs expected;
    };

    const Case cases[] {
        {5, {1, 3}, 0, {{0, 1}, {1, 3}}},
        {5, {0, 1, 2}, 1, {{1, 0}, {2, 1}, {3, 2}}},
        {300, {10, 11, 12}, 298, {{297, 10}, {298, 11}, {299, 12}}},
        {300, {299}, 299, {{299, 299}}},
    };

    for (const auto& c : cases)
        EXPECT_EQ (ui::DragCopyTarget (c.numRows, c.dragged, c.targetRow).getPairs(), c.expected)
            << "target " << c.targetRow;
}

TEST (DraggableTableListBoxTest, ScrollsOnlyNearTheEdgesAndTowardsThem)
{
    // Header 28, rows 24 high (half 12), list 400 high.
    struct Case
    {
        int y;
        double expected;
    };

    const Case cases[] {
        {10, -144.0 / 3600.0}, // over the header: the full step up
        {30, -100.0 / 3600.0}, // 10 pixels into the first half row
        {39, -1.0 / 3600.0},
        {40, 0.0},
        {388, 0.0},
        {389, 4.0 / 3600.0},
        {399, 144.0 / 3600.0},
    };

    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ (ui::DraggableTableListBox::computeScrollSpeed (c.y, 28, 24, 400), c.expected) << c.y;
}
} // namespace
