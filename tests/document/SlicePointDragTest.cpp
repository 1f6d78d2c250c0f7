// Moving a slice point by dragging its marker.
#include <gtest/gtest.h>

#include "document/window/SlicePointDrag.h"
#include "tests/support/WindowFixture.h"

namespace {

class SlicePointDragTest : public ::testing::Test, public WindowFixture {};

TEST_F(SlicePointDragTest, PointStopsOneFrameShortOfItsNeighboursHiddenOnesToo)
{
    CQuilletWindowModel& window = Window({1000, 3000, 5000});
    EXPECT_EQ(window.DragMarker(1, 200, true), 1001);
    EXPECT_EQ(window.DragMarker(1, 80000, true), 4999);
    EXPECT_EQ(window.DragMarker(0, -50, true), 0);
    EXPECT_EQ(window.DragMarker(2, 99999, true), 88199);
    EXPECT_EQ(window.Slices().Entry(1).position, 4999u);
    window.Slices().Insert(2000)->state = CSlice::kHidden;
    EXPECT_EQ(window.DragMarker(0, 2500, true), 1999);
}

TEST_F(SlicePointDragTest, SnapsToAZeroCrossingInsideItsRoom)
{
    CQuilletWindowModel& window = Window({1000, 3000, 5000});
    const std::int64_t moved = window.DragMarker(1, 2140, false);
    EXPECT_TRUE(NextToSignChange(model->Sound(), moved)) << moved;
    EXPECT_LE(std::abs(moved - 2140), 60);
    // Near a neighbour the crossings beyond it do not count.
    const std::int64_t held = window.DragMarker(1, 1001, false);
    EXPECT_GT(held, 1000);
    EXPECT_LT(held, 5000);
}

TEST_F(SlicePointDragTest, MovedPointBecomesLockedAndDirty)
{
    CQuilletWindowModel& window = Window({1000, 3000});
    CSlice& slice = window.Slices().Entry(1);
    slice.state = CSlice::kNormal;
    slice.shown = 1;
    slice.dirty = 0;
    window.DragMarker(1, 4321, true);
    EXPECT_EQ(slice.state, CSlice::kLocked);
    EXPECT_EQ(slice.dirty, 1);
    EXPECT_EQ(slice.position, 4321u);
}

TEST_F(SlicePointDragTest, PointWithoutRoomOrWithAnotherToolStays)
{
    CQuilletWindowModel& window = Window({1000, 1001, 1002});
    CSlice& middle = window.Slices().Entry(1);
    middle.state = CSlice::kNormal;
    EXPECT_EQ(window.DragMarker(1, 9000, true), 1001);
    EXPECT_EQ(middle.state, CSlice::kNormal);
    CQuilletWindowModel& pen = Window({1000, 3000});
    pen.SetTool(DocumentTool::kPen);
    EXPECT_EQ(pen.DragMarker(0, 2000, true), 1000);
    EXPECT_EQ(pen.DragMarker(5, 2000, true), 0);
}

}  // namespace
