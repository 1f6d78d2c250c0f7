// The shown range of a document window: fitting, zooming, scrolling, the
// scroll bar's thumb and following the play position.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "document/views/CVisibleRange.h"

namespace {

constexpr std::int64_t kSound = 100000;

void ExpectRange(const CVisibleRange& range, std::int64_t start, std::int64_t end)
{
    EXPECT_EQ(range.Start(), start);
    EXPECT_EQ(range.End(), end);
}

}  // namespace

TEST(VisibleRange, FittingZoomingScrollingAndFollowingKeepTheRangeInsideTheSound)
{
    struct Step {
        const char* what;
        std::function<bool(CVisibleRange&)> act;
        std::optional<bool> moved;  // unset: not checked
        std::int64_t start;
        std::int64_t end;
    };
    using R = CVisibleRange&;
    constexpr std::int64_t kSmallest = CVisibleRange::kSmallestRange;
    const Step steps[] = {
        {"show", [](R r) { return r.Show(1000, 2000); }, {}, 1000, 2000},
        {"fit", [](R r) { return r.MagnifyToFit(); }, true, 0, kSound},
        {"fit again", [](R r) { return r.MagnifyToFit(); }, false, 0, kSound},
        {"fit loop", [](R r) { return r.MagnifyToFitLoop(1000, 5000); }, {}, 1000, 5000},
        {"fit swapped loop", [](R r) { return r.MagnifyToFitLoop(5000, 1000); }, {}, 1000, 5000},
        {"fit loop at the end", [](R r) { return r.MagnifyToFitLoop(kSound, kSound); }, {}, kSound - kSmallest, kSound},
        {"fit loop at the start", [](R r) { return r.MagnifyToFitLoop(0, 0); }, {}, 0, kSmallest},
        // Zooming halves and doubles around the centre; a magnifying click
        // centres half the range on the click.
        {"show", [](R r) { return r.Show(20000, 60000); }, {}, 20000, 60000},
        {"zoom in", [](R r) { return r.ZoomIn(); }, {}, 30000, 50000},
        {"zoom out", [](R r) { return r.ZoomOut(); }, {}, 20000, 60000},
        {"zoom out to the start", [](R r) { return r.ZoomOut(); }, {}, 0, 80000},
        {"zoom out to the whole", [](R r) { return r.ZoomOut(); }, {}, 0, kSound},
        {"zoom out past the whole", [](R r) { return r.ZoomOut(); }, false, 0, kSound},
        {"click", [](R r) { return r.ZoomInAt(30000); }, {}, 5000, 55000},
        {"click near the start", [](R r) { return r.ZoomInAt(1000); }, {}, 0, 25000},
        // Scrolling keeps the length.
        {"show", [](R r) { return r.Show(10000, 20000); }, {}, 10000, 20000},
        {"arrow", [](R r) { return r.ScrollArrow(+1); }, {}, 11000, 21000},
        {"page back", [](R r) { return r.ScrollPage(-1); }, {}, 1000, 11000},
        {"page back past the start", [](R r) { return r.ScrollPage(-1); }, {}, 0, 10000},
        {"scroll past the end", [](R r) { return r.ScrollTo(kSound); }, {}, kSound - 10000, kSound},
        // Following puts the play position a tenth from the left.
        {"show", [](R r) { return r.Show(0, 10000); }, {}, 0, 10000},
        {"follow inside", [](R r) { return r.Follow(9999); }, false, 0, 10000},
        {"follow past the end", [](R r) { return r.Follow(10000); }, true, 9000, 19000},
        {"follow near the sound's end", [](R r) { return r.Follow(99500); }, true, 90000, kSound},
        {"follow back", [](R r) { return r.Follow(500); }, true, 0, 10000},
    };
    CVisibleRange range(kSound);
    ExpectRange(range, 0, kSound);
    for (const Step& step : steps) {
        const bool moved = step.act(range);
        if (step.moved) {
            EXPECT_EQ(moved, *step.moved) << step.what;
        }
        EXPECT_EQ(range.Start(), step.start) << step.what;
        EXPECT_EQ(range.End(), step.end) << step.what;
    }
    // Both locators on one frame: the smallest range around it.
    range.MagnifyToFitLoop(5000, 5000);
    EXPECT_EQ(range.Length(), kSmallest);
    EXPECT_TRUE(range.Contains(5000));
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
