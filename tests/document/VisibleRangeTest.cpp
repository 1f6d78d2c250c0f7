// The shown range of a document window: fitting, zooming, scrolling, the
// scroll bar's thumb and following the play position.
#include <gtest/gtest.h>

#include "document/views/CVisibleRange.h"

namespace {

constexpr std::int64_t kSound = 100000;

void ExpectRange(const CVisibleRange& range, std::int64_t start, std::int64_t end)
{
    EXPECT_EQ(range.Start(), start);
    EXPECT_EQ(range.End(), end);
}

}  // namespace

TEST(VisibleRange, StartsWithTheWholeSound)
{
    CVisibleRange range(kSound);
    ExpectRange(range, 0, kSound);
    range.Show(1000, 2000);
    EXPECT_TRUE(range.MagnifyToFit());
    ExpectRange(range, 0, kSound);
    EXPECT_FALSE(range.MagnifyToFit());
}

TEST(VisibleRange, FitLoopShowsTheLocatorsInAtLeastTheSmallestRange)
{
    CVisibleRange range(kSound);
    range.MagnifyToFitLoop(1000, 5000);
    ExpectRange(range, 1000, 5000);
    range.MagnifyToFitLoop(5000, 1000);
    ExpectRange(range, 1000, 5000);
    // Both locators on one frame: the smallest range.
    range.MagnifyToFitLoop(5000, 5000);
    EXPECT_EQ(range.Length(), CVisibleRange::kSmallestRange);
    EXPECT_TRUE(range.Contains(5000));
    range.MagnifyToFitLoop(kSound, kSound);
    ExpectRange(range, kSound - CVisibleRange::kSmallestRange, kSound);
    range.MagnifyToFitLoop(0, 0);
    ExpectRange(range, 0, CVisibleRange::kSmallestRange);
}

TEST(VisibleRange, ZoomHalvesAndDoublesAroundTheCentre)
{
    CVisibleRange range(kSound);
    range.Show(20000, 60000);
    range.ZoomIn();
    ExpectRange(range, 30000, 50000);
    range.ZoomOut();
    ExpectRange(range, 20000, 60000);
    range.ZoomOut();
    ExpectRange(range, 0, 80000);
    range.ZoomOut();
    ExpectRange(range, 0, kSound);
    EXPECT_FALSE(range.ZoomOut());
    // A magnifying click centres half the range on the click.
    range.ZoomInAt(30000);
    ExpectRange(range, 5000, 55000);
    range.ZoomInAt(1000);
    ExpectRange(range, 0, 25000);
}

TEST(VisibleRange, ZoomInStopsAtTheSmallestRangeAndTheScaleStaysExact)
{
    CVisibleRange range(kSound);
    for (int i = 0; i < 40; ++i)
        range.ZoomIn();
    EXPECT_EQ(range.Length(), CVisibleRange::kSmallestRange);
    // Fewer frames than pixels: each frame spans several columns.
    const CFrameScale scale = range.Scale(640);
    EXPECT_DOUBLE_EQ(scale.FramesPerPixel(), 32.0 / 640.0);
    EXPECT_EQ(scale.FrameAtPixel(0), range.Start());
    EXPECT_EQ(scale.FrameAtPixel(20), range.Start() + 1);
    EXPECT_EQ(scale.FrameAtPixel(639), range.Start() + 31);
    EXPECT_EQ(scale.PixelOfFrame(range.Start() + 1), 20);
}

TEST(VisibleRange, ScrollingKeepsTheLengthInsideTheSound)
{
    CVisibleRange range(kSound);
    range.Show(10000, 20000);
    range.ScrollArrow(+1);
    ExpectRange(range, 11000, 21000);
    range.ScrollPage(-1);
    ExpectRange(range, 1000, 11000);
    range.ScrollPage(-1);
    ExpectRange(range, 0, 10000);
    range.ScrollTo(kSound);
    ExpectRange(range, kSound - 10000, kSound);
}

TEST(VisibleRange, ThumbRunsOverThePositionsOfTheRange)
{
    CVisibleRange range(kSound);
    range.Show(0, 10000);
    EXPECT_EQ(range.Thumb(), 0);
    range.SetThumb(999);
    ExpectRange(range, 90000, kSound);
    EXPECT_EQ(range.Thumb(), 999);
    // 1 × 90000 ÷ 999 = 90.09..., rounded up.
    range.SetThumb(1);
    EXPECT_EQ(range.Start(), 91);
    EXPECT_EQ(range.Thumb(), 1);
    range.SetThumb(500);
    EXPECT_EQ(range.Thumb(), 500);
    range.MagnifyToFit();
    EXPECT_EQ(range.Thumb(), 0);
    range.SetThumb(700);
    ExpectRange(range, 0, kSound);
}

TEST(VisibleRange, FollowingPutsThePlayPositionATenthFromTheLeft)
{
    CVisibleRange range(kSound);
    range.Show(0, 10000);
    EXPECT_FALSE(range.Follow(9999));
    EXPECT_TRUE(range.Follow(10000));
    ExpectRange(range, 9000, 19000);
    EXPECT_TRUE(range.Follow(99500));
    ExpectRange(range, 90000, kSound);
    EXPECT_TRUE(range.Follow(500));
    ExpectRange(range, 0, 10000);
}

TEST(VisibleRange, SoundsShorterThanTheSmallestRangeAreShownWhole)
{
    CVisibleRange range(10);
    range.ZoomIn();
    ExpectRange(range, 0, 10);
    range.MagnifyToFitLoop(3, 3);
    ExpectRange(range, 0, 10);

    CVisibleRange empty(0);
    EXPECT_FALSE(empty.ZoomIn());
    EXPECT_FALSE(empty.Follow(5));
    empty.SetThumb(999);
    ExpectRange(empty, 0, 0);
    EXPECT_EQ(empty.Scale(100).FrameAtPixel(50), 0);
}
