// The drum-loop synthesizer: hits where it says they are, found there by the analysis.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "slicing/CSliceList.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"
#include "tests/support/SoundBuilder.h"

TEST(DrumLoopSynthesizer, PlacesPatternHitsOnTheSixteenthGrid) {
    const DrumLoop loop = CDrumLoopSynthesizer(44100).RenderPattern(CDrumLoopSynthesizer::DemoPattern(), 120.0);
    EXPECT_EQ(loop.Frames(), 176400u);  // two bars of 4/4 at 120 BPM
    ASSERT_FALSE(loop.hits.empty());
    for (std::size_t i = 0; i < loop.hits.size(); ++i) {
        const double step = loop.hits[i].frame / 5512.5;
        EXPECT_NEAR(step, std::round(step), 1e-3) << "hit " << i;
        EXPECT_LE(loop.hits[i ? i - 1 : 0].frame, loop.hits[i].frame);
    }
    EXPECT_EQ(loop.hits.front().frame, 0u);
    EXPECT_NE(loop.left[0], 0);  // the first frame is the attack itself
}

TEST(DrumLoopSynthesizer, GivesTheSameSamplesForTheSameSeedAndDropsHitsBeyondTheEnd) {
    const std::vector<DrumHit> hits = {{100, DrumVoice::Snare, 1.0f}, {3000, DrumVoice::ClosedHat, 0.5f}};
    const DrumLoop a = CDrumLoopSynthesizer(44100, 7).Render(hits, 8000);
    const DrumLoop b = CDrumLoopSynthesizer(44100, 7).Render(hits, 8000);
    const DrumLoop c = CDrumLoopSynthesizer(44100, 8).Render(hits, 8000);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
    EXPECT_NE(a.left, c.left);
    for (std::uint32_t f = 0; f < 100; ++f) ASSERT_EQ(a.left[f], 0) << f;  // silence before the first hit

    // Hits beyond the end are dropped.
    const DrumLoop loop = CDrumLoopSynthesizer(22050).Render({{10, DrumVoice::Kick, 1.0f}, {500, DrumVoice::Kick, 1.0f}}, 500);
    ASSERT_EQ(loop.hits.size(), 1u);
    EXPECT_EQ(loop.hits[0].frame, 10u);
}

TEST(DrumLoopSynthesizer, EveryHitIsFoundByTheAnalysisWithinAFewFrames) {
    std::vector<DrumHit> hits;
    const DrumVoice voices[] = {DrumVoice::Kick, DrumVoice::Snare, DrumVoice::ClosedHat, DrumVoice::OpenHat};
    for (std::uint32_t k = 0; k < 12; ++k) hits.push_back({1000 + k * 30000, voices[k % 4], k % 3 ? 0.9f : 0.5f});
    const DrumLoop loop = CDrumLoopSynthesizer(44100).Render(hits, 1000 + 12 * 30000);
    auto sound = SoundOf(loop.Mono());
    CSliceList slices;
    ASSERT_TRUE(slices.Analyse(*sound));
    ASSERT_EQ(slices.Count(), static_cast<int>(hits.size()));
    for (int i = 0; i < slices.Count(); ++i) {
        const auto distance = static_cast<std::int64_t>(slices.Entry(i).position) - hits[i].frame;
        EXPECT_LE(std::abs(distance), 3) << "hit " << i;
    }
}
