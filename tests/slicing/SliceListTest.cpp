#include <gtest/gtest.h>

#include <functional>

#include "slicing/CSliceList.h"
#include "slicing/CSlicingSettings.h"
#include "tests/support/SoundBuilder.h"

namespace {

// Points at the given positions and levels, as the analysis leaves them.
CSliceList ListOf(std::int32_t frames, std::initializer_list<std::pair<std::uint32_t, std::int16_t>> points)
{
    CSliceList list;
    list.Reset(frames);
    for (const auto& [position, level] : points)
        list.Insert(position)->level = level;
    return list;
}

std::vector<std::uint32_t> Positions(const CSliceList& list, SliceFilter filter)
{
    std::vector<std::uint32_t> positions;
    for (int i = list.First(filter); i >= 0; i = list.Next(i, filter))
        positions.push_back(list.Entry(i).position);
    return positions;
}

using Positions_t = std::vector<std::uint32_t>;

} // namespace

TEST(CSlicingSettings, SensitivityAndStretchControls)
{
    EXPECT_EQ(CSlicingSettings::ThresholdFor(0), 32767);
    EXPECT_EQ(CSlicingSettings::ThresholdFor(990), 295);
    EXPECT_EQ(CSlicingSettings::ThresholdFor(500), 32767 - 16400); // (500 * 32767 + 499) / 999
    EXPECT_EQ(CSlicingSettings::SensitivityFromSlider(19), 10);
    EXPECT_EQ(CSlicingSettings::SliderFromSensitivity(500), 504);
    EXPECT_EQ(CSlicingSettings::StretchFactor(99), 2000);
    EXPECT_EQ(CSlicingSettings::StretchLabel(0), "Off");
    EXPECT_EQ(CSlicingSettings::StretchLabel(13), "100%");
}

TEST(CSliceList, SilentSoundLeavesOneImplicitSlice)
{
    const auto sound = SparseSound(10000, {});
    CSliceList list;
    ASSERT_TRUE(list.Analyse(*sound));
    list.ApplyThreshold(CSlicingSettings::ThresholdFor(990));
    EXPECT_EQ(list.First(SliceFilter::kCounted), -1);
    EXPECT_EQ(list.CountedContaining(5000), -1);
    EXPECT_EQ(list.Snap(1234, 10000), 1234);
    EXPECT_EQ(list.Frames(), 10000);
}

TEST(CSliceList, SensitivityDecidesWhatIsCountedButNotLockedPoints)
{
    CSliceList list = ListOf(10000, {{1000, 300}, {2000, 32767}, {3000, 5000}});
    list.Entry(2).state = CSlice::kLocked;
    list.ApplyThreshold(CSlicingSettings::ThresholdFor(0));
    EXPECT_EQ(Positions(list, SliceFilter::kCounted), (Positions_t{3000}));

    list.ClearDirty();
    list.ApplyThreshold(CSlicingSettings::ThresholdFor(990));
    EXPECT_EQ(Positions(list, SliceFilter::kCounted), (Positions_t{1000, 2000, 3000}));
    EXPECT_TRUE(list.Entry(0).dirty && list.Entry(1).dirty && list.Entry(2).dirty);
    list.ClearDirty();
    list.ApplyThreshold(5000); // level 5000 is not above 5000
    EXPECT_EQ(Positions(list, SliceFilter::kCounted), (Positions_t{2000, 3000}));
    EXPECT_TRUE(list.Entry(0).dirty);
    EXPECT_FALSE(list.Entry(1).dirty);
}

TEST(CSliceList, HiddenPointsStayVisibleOnlyAboveTheThreshold)
{
    CSliceList list = ListOf(10000, {{1000, 8000}});
    list.ApplyThreshold(295);
    list.HideClick(0);
    EXPECT_EQ(list.Entry(0).state, CSlice::kHidden);
    EXPECT_EQ(Positions(list, SliceFilter::kVisible), (Positions_t{1000}));
    EXPECT_TRUE(Positions(list, SliceFilter::kCounted).empty());

    list.ApplyThreshold(9000);
    EXPECT_TRUE(Positions(list, SliceFilter::kVisible).empty());
    list.ApplyThreshold(295);
    EXPECT_EQ(Positions(list, SliceFilter::kVisible), (Positions_t{1000}));
    EXPECT_EQ(list.Entry(0).state, CSlice::kHidden);

    list.HideClick(0); // clicking a hidden point shows it again
    EXPECT_EQ(Positions(list, SliceFilter::kCounted), (Positions_t{1000}));
}

TEST(CSliceList, HideAndLockToolsActOnTheSelection)
{
    CSliceList list = ListOf(10000, {{1000, 8000}, {2000, 8000}, {3000, 8000}, {4000, 100}});
    list.ApplyThreshold(295);
    list.ClickMarker(0, false);
    list.ClickMarker(2, true);
    list.HideClick(2); // selected: the whole selection is hidden
    EXPECT_EQ(list.Entry(0).state, CSlice::kHidden);
    EXPECT_EQ(list.Entry(1).state, CSlice::kNormal);
    EXPECT_EQ(list.Entry(2).state, CSlice::kHidden);

    list.LockClick(1); // not selected: it becomes the selection alone
    EXPECT_EQ(list.Entry(1).state, CSlice::kLocked);
    EXPECT_FALSE(list.Entry(0).selected);
    EXPECT_EQ(list.Entry(0).state, CSlice::kHidden);

    list.SelectAll();
    EXPECT_FALSE(list.Entry(3).selected); // below the threshold: not visible
    list.LockClick(1); // clicked point locked: selected locked points become normal
    EXPECT_EQ(list.Entry(1).state, CSlice::kNormal);
    EXPECT_EQ(list.Entry(0).state, CSlice::kHidden);
    list.LockClick(0); // otherwise every selected visible point is locked
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list.Entry(i).state, CSlice::kLocked) << i;
    EXPECT_EQ(list.Entry(3).state, CSlice::kNormal);
}

TEST(CSliceList, SelectionCoversVisiblePointsOnly)
{
    CSliceList list = ListOf(10000, {{1000, 8000}, {2000, 8000}, {3000, 100}, {4000, 8000}});
    list.ApplyThreshold(295);
    EXPECT_FALSE(list.CanInvertSelection());
    list.SelectRange(3500, 900);
    EXPECT_TRUE(list.Entry(0).selected && list.Entry(1).selected);
    EXPECT_FALSE(list.Entry(2).selected); // below the threshold
    list.InvertSelection();
    EXPECT_FALSE(list.Entry(0).selected || list.Entry(2).selected);
    EXPECT_TRUE(list.Entry(3).selected);
    EXPECT_FALSE(ListOf(100, {}).CanSelectAll());
}

TEST(CSliceList, PenAddsLockedPointsAtZeroCrossings)
{
    const auto sound = MakeSound(44100, 10000, [](std::uint32_t i) { return i < 5005 ? 100 : -100; });
    CSliceList list = ListOf(10000, {{3000, 100}});
    list.ApplyThreshold(295); // the point at 3000 is below: hidden from view
    ASSERT_EQ(list.Draw(*sound, 3000, false), -1); // an entry is already there
    const int drawn = list.Draw(*sound, 5000, true);
    ASSERT_EQ(drawn, 1);
    EXPECT_EQ(list.Entry(1).position, 5005u); // pair (5004, 5005) meets zero
    EXPECT_EQ(list.Entry(1).state, CSlice::kLocked);
    EXPECT_EQ(list.Entry(1).level, 16384);
    EXPECT_TRUE(list.Entry(1).dirty);
    EXPECT_EQ(list.Draw(*sound, 4000, false), 1); // Alt: exactly where clicked, in order
    EXPECT_EQ(Positions(list, SliceFilter::kCounted), (Positions_t{4000, 5005}));
}

TEST(CSliceList, ManualEditsSurviveEverySensitivity)
{
    const auto sound = SparseSound(10000, {});
    struct Case {
        const char* edit;
        std::function<int(CSliceList&)> apply; // answers the edited entry
    };
    const Case cases[] = {
        {"locked detected point", [](CSliceList& l) { l.LockClick(0); return 0; }},
        {"drawn point", [&](CSliceList& l) { return l.Draw(*sound, 5000, false); }},
        {"drawn point unlocked", [&](CSliceList& l) {
             const int i = l.Draw(*sound, 5000, false);
             l.LockClick(i);
             return i;
         }},
        {"drawn point hidden and shown again", [&](CSliceList& l) {
             const int i = l.Draw(*sound, 5000, false);
             l.HideClick(i);
             l.HideClick(i);
             return i;
         }},
    };
    for (const Case& c : cases) {
        CSliceList list = ListOf(10000, {{1000, 8000}});
        list.ApplyThreshold(CSlicingSettings::ThresholdFor(990));
        const int edited = c.apply(list);
        ASSERT_GE(edited, 0) << c.edit;
        const std::uint32_t position = list.Entry(edited).position;
        for (const int sensitivity : {0, 10, 500, 990, 0}) {
            list.ApplyThreshold(CSlicingSettings::ThresholdFor(static_cast<std::int16_t>(sensitivity)));
            EXPECT_TRUE(list.Entry(edited).IsCounted()) << c.edit << " at " << sensitivity;
            EXPECT_EQ(list.Entry(edited).position, position) << c.edit;
        }
    }
}

TEST(CSliceList, InsertRefusesBeyondCapacity)
{
    CSliceList list;
    list.Reset(100000);
    for (int i = 0; i < CSliceList::kCapacity; ++i)
        ASSERT_NE(list.Insert(static_cast<std::uint32_t>(99999 - i)), nullptr);
    EXPECT_EQ(list.Insert(5), nullptr);
    EXPECT_EQ(list.Count(), 1000);
    EXPECT_EQ(list.Entry(0).position, 99000u);
    EXPECT_EQ(list.Entry(999).position, 99999u);
}

TEST(CSliceList, BoundariesNearestAndSnap)
{
    CSliceList list = ListOf(10000, {{1000, 8000}, {2000, 100}, {4000, 8000}});
    list.ApplyThreshold(295);
    EXPECT_EQ(list.End(0), 3999); // the uncounted point at 2000 does not end it
    EXPECT_EQ(list.End(2), 10000);
    EXPECT_EQ(list.Length(0), 2999);
    EXPECT_EQ(list.CountedContaining(999), -1);
    EXPECT_EQ(list.CountedContaining(3999), 0);
    EXPECT_EQ(list.CountedContaining(4000), 2);
    EXPECT_EQ(list.CountedNearest(2500), 0); // tie 1500 / 1500 goes to the first
    EXPECT_EQ(list.CountedNearest(3000), 2);
    EXPECT_EQ(list.Snap(499, 10000), 0);
    EXPECT_EQ(list.Snap(500, 10000), 1000);
    EXPECT_EQ(list.Snap(7000, 10000), 4000);
    EXPECT_EQ(list.Snap(7001, 10000), 10000);
    EXPECT_EQ(list.Snap(3100, 10000), 4000);
}
