// Expected positions and levels below are worked out by hand from the
// detector's rules (floor and tracking level start at 100; d = |2x[i] - x[i-1]|
// in 16 bits; an attack needs d > T and d / 4 > floor; level = peak * 1024 /
// floor at the attack's start, at most 32767).
#include <gtest/gtest.h>

#include <vector>

#include "slicing/CSliceList.h"
#include "tests/support/SoundBuilder.h"

namespace {

struct Point {
    std::uint32_t position;
    std::int16_t level;
    bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Point& p)
{
    return out << '(' << p.position << ", " << p.level << ')';
}

std::vector<Point> Analysed(const WAVE_SAMPLE& sound)
{
    CSliceList list;
    EXPECT_TRUE(list.Analyse(sound));
    std::vector<Point> points;
    for (int i = 0; i < list.Count(); ++i)
        points.push_back({list.Entry(i).position, list.Entry(i).level});
    return points;
}

using Samples = std::initializer_list<std::pair<std::uint32_t, std::int16_t>>;

struct DetectorCase {
    const char* rule;
    std::uint32_t frames;
    Samples samples;
    std::vector<Point> points;
};

} // namespace

TEST(AttackDetector, HandWorkedSounds)
{
    const DetectorCase cases[] = {
        {"silence", 50000, {}, {}},
        {"empty sound", 0, {}, {}},
        // d = 20000; the back search stops on the silent frame before the
        // click; 20000 * 1024 / 100 is held to 32767.
        {"click starts a frame early", 5000, {{1000, 10000}}, {{999, 32767}}},
        // Click 300 at 100: d = 600 > 4 * 100, the quiet click stops the back
        // search; its window ends at 400 with floor = peak = 600. Click 5000
        // at 401: d = 10000 > 4 * 600, starts at quiet frame 400. Levels
        // 600 * 1024 / 100 = 6144 and 10000 * 1024 / 600 = 17066.
        {"level is peak over floor", 3000, {{100, 300}, {401, 5000}}, {{100, 6144}, {400, 17066}}},
        // 2 * 16384 wraps to -32768, whose 16-bit absolute value stays
        // negative: no attack there. The fall back to 0 gives d = 16384 at
        // the quiet frame 51.
        {"16-bit wrap", 2000, {{50, 16384}}, {{51, 32767}}},
        // The second 16384 gives d = 16384; the search passes both loud frames.
        {"back search walks over loud frames", 2000, {{200, 16384}, {201, 16384}}, {{199, 32767}}},
        // -100 at 499 only lifts the tracking level to 200; 5000 at 500 gives
        // d = 10100 and the sign change before it keeps the start at 500.
        {"back search stops at a zero crossing", 2000, {{499, -100}, {500, 5000}}, {{500, 32767}}},
        // Attack at 100 (d = 600); 400 at 250 raises the peak to 800 at offset
        // 149, past the window's first 100 frames, so the window grows to 500
        // and runs to 600 with floor 800: 1000 at 601 (d = 2000, 2000 / 4 <=
        // 800) is no attack. Had the window ended at 400 the floor would have
        // decayed below 500. Level 800 * 1024 / 100 = 8192.
        {"late peak extends the window", 3000, {{100, 300}, {250, 400}, {601, 1000}}, {{100, 8192}}},
    };
    for (const DetectorCase& c : cases)
        EXPECT_EQ(Analysed(*SparseSound(c.frames, c.samples)), c.points) << c.rule;
}

TEST(AttackDetector, StopsRecordingAfter997Attacks)
{
    const auto sound =
        MakeSound(44100, 1000 * 1000 + 1000, [](std::uint32_t i) { return i % 1000 == 500 ? 10000 : 0; });
    const auto points = Analysed(*sound);
    ASSERT_EQ(points.size(), 997u);
    for (std::uint32_t k = 0; k < 997; ++k)
        ASSERT_EQ(points[k], (Point{k * 1000 + 499, 32767})) << k;
}

TEST(AttackDetector, PointsAtTheSamePositionAreDroppedAfterTheFirst)
{
    // A steady 1100 from frame 1000: attack at 1000 (d = 2200) starting at 999,
    // level 2200 * 1024 / 100 = 22528. The jump to 16000 at 1400 is a second
    // attack whose back search runs over the steady loud frames down to 999
    // again; that second point would begin a slice of no length.
    const auto sound = MakeSound(44100, 3000, [](std::uint32_t i) { return i < 1000 ? 0 : i == 1400 ? 16000 : 1100; });
    EXPECT_EQ(Analysed(*sound), (std::vector<Point>{{999, 22528}}));
}

TEST(AttackDetector, ProgressCanStopTheAnalysis)
{
    const auto sound = SparseSound(100000, {{1000, 10000}});
    CSliceList list;
    std::uint32_t calls = 0;
    EXPECT_FALSE(list.Analyse(*sound, [&](std::uint32_t done, std::uint32_t total) {
        EXPECT_EQ(total, 100000u);
        EXPECT_EQ(done, 8192u);
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1u);
    EXPECT_EQ(list.Count(), 0);
}
