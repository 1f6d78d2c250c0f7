// Locator moves on the ruler, snapping of ruler clicks, ruler labels and
// hits on slice markers.
#include <gtest/gtest.h>

#include "document/views/CLocatorRules.h"
#include "document/views/CRulerTime.h"
#include "document/views/CSliceMarkerHit.h"
#include "slicing/CSliceList.h"

namespace {

constexpr std::int64_t kFrames = 44100;

// Locked points count whatever the threshold.
CSliceList LockedPoints(std::initializer_list<std::uint32_t> positions, std::int32_t frames = kFrames)
{
    CSliceList slices;
    slices.Reset(frames);
    for (std::uint32_t position : positions)
        slices.Insert(position)->state = CSlice::kLocked;
    return slices;
}

}  // namespace

TEST(LocatorRules, DraggedLocatorsStay256FramesApartInsideTheSound)
{
    EXPECT_EQ(CLocatorRules::DragLeft(20000, 0, 20000), 20000 - 256);
    EXPECT_EQ(CLocatorRules::DragLeft(30000, 0, 20000), 20000 - 256);
    EXPECT_EQ(CLocatorRules::DragLeft(-50, 100, 20000), 0);
    EXPECT_EQ(CLocatorRules::DragLeft(1000, 7, 255), 7);
    // The right locator stays after the left and inside the sound.
    EXPECT_EQ(CLocatorRules::DragRight(1000, kFrames, 1000, kFrames), 1256);
    EXPECT_EQ(CLocatorRules::DragRight(kFrames + 5000, 9000, 1000, kFrames), kFrames);
    EXPECT_EQ(CLocatorRules::DragRight(500, 300, kFrames - 100, kFrames), 300);
}

TEST(LocatorRules, ClicksMoveALocatorOnlyWhereTheRulesAllow)
{
    EXPECT_EQ(CLocatorRules::ClickLeft(1000, 1256), 1000);
    EXPECT_FALSE(CLocatorRules::ClickLeft(1001, 1256).has_value());
    EXPECT_FALSE(CLocatorRules::ClickLeft(-1, 1256).has_value());
    EXPECT_EQ(CLocatorRules::ClickRight(1256, 1000, kFrames), 1256);
    EXPECT_FALSE(CLocatorRules::ClickRight(1255, 1000, kFrames).has_value());
    EXPECT_FALSE(CLocatorRules::ClickRight(kFrames + 1, 1000, kFrames).has_value());
}

TEST(LocatorRules, RulerPointsSnapToTheSlicingUnlessAltIsHeld)
{
    const CSliceList slices = LockedPoints({4000, 10000, 30000});
    EXPECT_EQ(CLocatorRules::PointedFrame(slices, 1999, kFrames, false), 0);
    EXPECT_EQ(CLocatorRules::PointedFrame(slices, 2000, kFrames, false), 4000);
    EXPECT_EQ(CLocatorRules::PointedFrame(slices, 12000, kFrames, false), 10000);
    EXPECT_EQ(CLocatorRules::PointedFrame(slices, 38000, kFrames, false), kFrames);
    EXPECT_EQ(CLocatorRules::PointedFrame(slices, 12000, kFrames, true), 12000);
    EXPECT_EQ(CLocatorRules::PointedFrame(slices, kFrames + 99, kFrames, true), kFrames);
    EXPECT_EQ(CLocatorRules::PointedFrame(LockedPoints({}), 12345, kFrames, false), 12345);
}

TEST(RulerTime, LabelsShowDaysHoursMinutesSecondsAndTenthsSpacedApart)
{
    EXPECT_EQ(CRulerTime::Format(0, 44100), " 00.00:00:00.0");
    EXPECT_EQ(CRulerTime::Format(44100 * 62 + 22050, 44100), " 00.00:01:02.5");
    // 1 day, 1 hour, 1 minute and 1.9 seconds at 1000 Hz.
    EXPECT_EQ(CRulerTime::Format(86400000 + 3600000 + 60000 + 1999, 1000), " 01.01:01:01.9");
    EXPECT_EQ(CRulerTime::Format(-44100, 44100), "-00.00:00:01.0");
    // Cut toward zero: one frame short of a tenth is still 0.0.
    EXPECT_EQ(CRulerTime::Format(4409, 44100), " 00.00:00:00.0");
    EXPECT_EQ(CRulerTime::Format(4410, 44100), " 00.00:00:00.1");
    // 100 frames per pixel at 44100 Hz: 100 pixels are 0.23 s, so 0.5 s ticks.
    EXPECT_EQ(CRulerTime::TickSpacing(44100, 100.0, 100), 1000);
    EXPECT_EQ(CRulerTime::TickSpacing(44100, 0.05, 100), 200);
    EXPECT_EQ(CRulerTime::TickSpacing(44100, 1e9, 100), 7200000);
}

TEST(SliceMarkerHit, FindsTheNearestVisibleMarkerWithinReach)
{
    CSliceList slices = LockedPoints({1000, 1300, 5000});
    slices.Insert(2000);  // normal, below the threshold: not visible
    const CFrameScale scale(0, 10000, 100);  // 100 frames per pixel
    EXPECT_EQ(CSliceMarkerHit::Find(slices, scale, 11, 9), 0);
    EXPECT_EQ(CSliceMarkerHit::Find(slices, scale, 12, 9), 1);
    // Half of 9 plus 10 pixels: 14 from the marker at pixel 50 still hits.
    EXPECT_EQ(CSliceMarkerHit::Find(slices, scale, 64, 9), slices.Count() - 1);
    EXPECT_EQ(CSliceMarkerHit::Find(slices, scale, 65, 9), -1);
    // The hidden-below-threshold point at pixel 20 is never hit.
    EXPECT_EQ(CSliceMarkerHit::Find(slices, scale, 20, 9), 1);
}
