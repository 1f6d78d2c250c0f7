#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <numeric>

#include "sound/BAT.h"
#include "sound/InterpolationTable.h"
#include "sound/RateConversion.h"

namespace {

using Row = std::array<std::int16_t, 8>;

std::vector<std::int16_t> Converted(const BAT& source, std::uint32_t frames, std::uint32_t from, std::uint32_t to)
{
    const std::uint32_t count = ConvertedFrameCount(frames, from, to);
    BAT target(std::uint64_t{count} * 2);
    ConvertRate(source, frames, from, target, to);
    std::vector<std::int16_t> out(count);
    target.ReadBytes(0, count * 2, out.data());
    return out;
}

} // namespace

TEST(InterpolationTable, RowsAreSmoothSixTapKernelsOfGainNearUnityBetweenExactAnchors)
{
    EXPECT_EQ(kInterpolationTable[0], (Row{17, -94, 32588, 0, 0, 0, 0, 0}));
    EXPECT_EQ(kInterpolationTable[256], (Row{455, -3496, 19218, 19392, -3519, 460, 0, 0}));
    EXPECT_EQ(kInterpolationTable[511], (Row{0, 8, -47, 32590, -47, 8, 0, 0}));
    for (std::size_t r = 0; r < 512; ++r) {
        const auto& row = kInterpolationTable[r];
        EXPECT_EQ(row[6], 0) << r;
        EXPECT_EQ(row[7], 0) << r;
        const int sum = std::accumulate(row.begin(), row.end(), 0);
        EXPECT_NEAR(sum, 32511, 4) << r;
        for (int j = 0; r > 0 && j < 6; ++j)
            EXPECT_LE(std::abs(row[j] - kInterpolationTable[r - 1][j]), 100) << r << ' ' << j;
    }
}

TEST(RateConversion, EqualRatesCopyTheBytes)
{
    BAT source(1000 * 2);
    for (std::uint32_t i = 0; i < 1000; ++i)
        source.WriteSample(i, static_cast<std::int16_t>(i * 37 - 20000));
    const auto out = Converted(source, 1000, 44100, 44100);
    ASSERT_EQ(out.size(), 1000u);
    for (std::uint32_t i = 0; i < 1000; ++i)
        ASSERT_EQ(out[i], source.ReadSample(i));
}

TEST(RateConversion, ImpulseAtWholeRatiosAppearsOneFrameEarly)
{
    // At 2:1 and 4:1 the phase stays 0 and output k sums source frames from
    // step * k - 3 with row 0. 192000 * 32768 needs more than 32 bits; the
    // step must still be exactly 4, where taps 0 and 1 never reach the impulse.
    struct Case {
        std::uint32_t frames, from, to, impulse;
        std::map<std::size_t, std::int16_t> heard;  // all others are silent
    };
    const Case cases[] = {{40, 44100, 22050, 11, {{6, 32587}, {7, 16}}},  // 32588 * 32767 >> 15, 17 * 32767 >> 15
                          {400, 192000, 48000, 203, {{51, 32587}}}};
    for (const Case& c : cases) {
        BAT source(c.frames * 2);
        source.WriteSample(c.impulse, 32767);
        const auto out = Converted(source, c.frames, c.from, c.to);
        ASSERT_EQ(out.size(), c.frames * c.to / c.from);
        for (std::size_t k = 0; k < out.size(); ++k)
            EXPECT_EQ(out[k], c.heard.count(k) ? c.heard.at(k) : 0) << c.from << " " << k;
    }
}

TEST(RateConversion, DoublingAlternatesPhasesZeroAndHalf)
{
    BAT source(100 * 2);
    for (std::uint32_t i = 0; i < 100; ++i)
        source.WriteSample(i, 10000);
    const auto out = Converted(source, 100, 22050, 44100);
    ASSERT_EQ(out.size(), 200u);
    EXPECT_EQ(out[100], 9921); // 32511 * 10000 >> 15
    EXPECT_EQ(out[101], 9921); // 32510 * 10000 >> 15
    EXPECT_EQ(out[0], 0);      // only silence before the start under row 0's taps
}

TEST(RateConversion, SumsAreClampedTo16Bits)
{
    // Output 7 at double rate uses row 256 over source frames 0..5.
    BAT source(16 * 2);
    const std::int16_t pattern[6] = {32767, -32767, 32767, 32767, -32767, 32767};
    for (std::uint32_t i = 0; i < 6; ++i)
        source.WriteSample(i, pattern[i]);
    const auto out = Converted(source, 16, 22050, 44100);
    EXPECT_EQ(out[7], 32767);
}

TEST(RateConversion, LengthFollowsTheRatioAndZeroRatesAndShortTargetsAreSafe)
{
    EXPECT_EQ(ConvertedFrameCount(1001, 44100, 22050), 500u);
    EXPECT_EQ(ConvertedFrameCount(1000, 22050, 44100), 2000u);
    BAT source(100 * 2);
    EXPECT_EQ(ConvertedFrameCount(100, 0, 44100), 0u);
    EXPECT_EQ(ConvertedFrameCount(100, 44100, 0), 0u);
    BAT target(10 * 2);
    ConvertRate(source, 100, 0, target, 44100);
    ConvertRate(source, 100, 44100, target, 0);
    ConvertRate(source, 100, 22050, target, 44100); // writes only the 10 frames that fit
    ConvertRate(source, 100, 44100, target, 44100);
}
