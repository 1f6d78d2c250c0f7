#include <gtest/gtest.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "slicing/CSliceList.h"
#include "slicing/CSliceRenderSet.h"
#include "slicing/CSlicingSettings.h"
#include "slicing/SliceStretch.h"
#include "tests/support/SoundBuilder.h"

namespace {

// A 10000-frame ramp with counted slices at 2000, 5000 and 8000.
struct Fixture {
    Fixture()
    {
        sound = MakeSound(44100, 10000, [](std::uint32_t i) { return static_cast<std::int16_t>(i % 2000 + 1); });
        slices.Reset(10000);
        for (const std::uint32_t position : {2000u, 5000u, 8000u})
            slices.Insert(position)->state = CSlice::kLocked;
    }
    std::unique_ptr<WAVE_SAMPLE> sound;
    CSliceList slices;
    CSlicingSettings settings;
};

std::vector<std::uint32_t> RenderedLengths(const CSliceRenderSet& set)
{
    std::vector<std::uint32_t> lengths;
    for (int k = 0; k < set.Count(); ++k) {
        const auto rendered = set.Render(k);
        EXPECT_EQ(rendered->Frames(), set.RenderedLength(k)) << k;
        lengths.push_back(rendered->Frames());
    }
    return lengths;
}

using Lengths = std::vector<std::uint32_t>;

} // namespace

TEST(CSliceRenderSet, SegmentsRunBetweenTheLocatorsOrOneCoversTheLoop)
{
    Fixture f;
    CSliceRenderSet whole(*f.sound, f.slices, f.settings);
    ASSERT_EQ(whole.SegmentCount(), 4);
    EXPECT_EQ(whole.SegmentAt(0).start, 0u);
    EXPECT_EQ(whole.SegmentAt(0).end, 2000u);
    EXPECT_EQ(whole.SegmentAt(3).end, 10000u);
    EXPECT_EQ(RenderedLengths(whole), (Lengths{2000, 3000, 3000, 2000}));

    f.sound->SetLoop(3000, 9000, true);
    CSliceRenderSet part(*f.sound, f.slices, f.settings);
    ASSERT_EQ(part.SegmentCount(), 3);
    EXPECT_EQ(part.SegmentAt(0).start, 3000u); // the stretch before the first slice
    EXPECT_EQ(part.SegmentAt(1).start, 5000u);
    EXPECT_EQ(part.SegmentAt(2).end, 9000u);
    EXPECT_EQ(part.TickOf(6000), 0); // no musical length set

    f.sound->SetLoop(5000, 9000, true);
    CSliceRenderSet onSlice(*f.sound, f.slices, f.settings);
    EXPECT_EQ(onSlice.SegmentCount(), 2); // the left locator is itself a slice start

    // Without counted slices one segment covers the loop.
    f.slices.Reset(10000);
    f.sound->SetLoop(100, 900, true);
    CSliceRenderSet set(*f.sound, f.slices, f.settings);
    ASSERT_EQ(set.SegmentCount(), 1);
    EXPECT_EQ(set.SegmentAt(0).start, 100u);
    EXPECT_EQ(set.SegmentAt(0).end, 900u);
    const auto rendered = set.Render(0);
    EXPECT_EQ(rendered->Sample(0), 101);
    EXPECT_EQ(rendered->Sample(799), 900);
}

TEST(CSliceRenderSet, SilencedSegmentsAreNotOutputsButOneSampleKeepsThemAsSilence)
{
    Fixture f;
    f.slices.Entry(1).selected = 1; // the slice at 5000
    f.settings.silenceSelected = true;
    CSliceRenderSet set(*f.sound, f.slices, f.settings);
    EXPECT_TRUE(set.SegmentAt(2).silenced);
    ASSERT_EQ(set.Count(), 3);
    EXPECT_EQ(RenderedLengths(set), (Lengths{2000, 3000, 2000}));
    EXPECT_EQ(set.OutputSegment(2).start, 8000u);
    EXPECT_EQ(set.Render(2)->Sample(0), 1); // frame 8000 of the ramp
    EXPECT_EQ(set.TotalLength(), 7000u);
    EXPECT_THROW(set.Render(3), XInternalError);
    EXPECT_THROW(set.Render(-1), XInternalError);

    f.settings.separateSamples = false;
    CSliceRenderSet one(*f.sound, f.slices, f.settings);
    one.SetExtraLength(100);
    ASSERT_EQ(one.Count(), 1);
    EXPECT_EQ(one.TotalLength(), 10100u);
    const auto joined = one.Render(0);
    ASSERT_EQ(joined->Frames(), 10100u);
    const auto samples = SamplesOf(*joined);
    const auto source = SamplesOf(*f.sound);
    for (std::uint32_t i = 0; i < 10100; ++i) {
        const bool silent = (i >= 5000 && i < 8000) || i >= 10000;
        ASSERT_EQ(samples[i], silent ? 0 : source[i]) << i;
    }
    EXPECT_THROW(one.Render(1), XInternalError);
}

TEST(CSliceRenderSet, RateExtraLengthStretchAndNormalize)
{
    Fixture f;
    CSliceRenderSet set(*f.sound, f.slices, f.settings);
    EXPECT_EQ(set.TargetRate(), 44100u);
    set.SetTargetRate(22050);
    set.SetExtraLength(11);
    EXPECT_EQ(RenderedLengths(set), (Lengths{1006, 1506, 1506, 1006})); // ceil((l + 11) / 2)
    EXPECT_EQ(set.TotalLength(), 5024u);
    set.SetTargetRate(48000);
    EXPECT_EQ(set.RenderedLength(0), 2189u); // 2011 * 48000 / 44100 = 2188.84

    f.settings.stretch = 13; // 100 %
    f.settings.normalize = true;
    CSliceRenderSet stretched(*f.sound, f.slices, f.settings);
    EXPECT_EQ(RenderedLengths(stretched), (Lengths{4000, 6000, 6000, 4000}));
    const auto first = SamplesOf(*stretched.Render(0));
    // Up to point A (1998) the slice itself, normalized: the peak is the last
    // copied frame (1998; the tail starts below it), gain 1073709056 / 1998.
    EXPECT_EQ(first[999], (1000 * 537391) >> 15);
    EXPECT_EQ(first[1997], (1998 * 537391) >> 15);
    EXPECT_LE(std::abs(first.back()), 2); // the tail fades to silence
}

TEST(CSliceRenderSet, MusicalDataAndPitchMode)
{
    Fixture f;
    f.sound = std::make_unique<WAVE_SAMPLE>("Loop", 44100, 88200);
    f.slices.Reset(88200);
    f.settings.bars = 2;
    CSliceRenderSet plain(*f.sound, f.slices, f.settings);
    EXPECT_EQ(plain.LoopTicks(), 7680);
    EXPECT_EQ(plain.Tempo(), 240000);
    EXPECT_EQ(plain.Transposition(), 0);
    EXPECT_EQ(plain.TickOf(44100), 3840);

    f.settings.pitchMode = true;
    f.settings.newTempo = 120000;
    CSliceRenderSet pitched(*f.sound, f.slices, f.settings);
    EXPECT_EQ(pitched.Tempo(), 120000);
    EXPECT_EQ(pitched.Transposition(), -1200);

    f.settings.bars = 0; // tempo 0: no transposition
    CSliceRenderSet unknown(*f.sound, f.slices, f.settings);
    EXPECT_EQ(unknown.Transposition(), 0);
}

TEST(CSliceRenderSet, EmptyLoopAndZeroRateAreSafe)
{
    WAVE_SAMPLE empty("Empty", 44100, 0);
    CSliceList slices;
    slices.Reset(0);
    CSlicingSettings settings;
    CSliceRenderSet set(empty, slices, settings);
    ASSERT_EQ(set.Count(), 1);
    EXPECT_EQ(set.Render(0)->Frames(), 0u);

    WAVE_SAMPLE noRate("NoRate", 0, 1000);
    CSliceRenderSet zero(noRate, slices, settings);
    EXPECT_EQ(zero.Tempo(), 0);
    EXPECT_EQ(zero.Render(0)->Frames(), 0u);
}

// The tail values below follow the rules by hand: full scale G = 2^31 - 1,
// fade step G / r, each frame ((g1 >> 16) * x >> 15) * (g2 >> 16) >> 15.
TEST(SliceStretch, TailPingPongsAndFades)
{
    // 16 frames rising 1000..1150: scans of 2 frames give A = 14 (peak 1150 at
    // 15) and B = 7 (peak 1080 at 8); B is quieter, so no level matching.
    BAT source(16 * 2);
    for (std::uint32_t k = 0; k < 16; ++k)
        source.WriteSample(k, static_cast<std::int16_t>(1000 + 10 * k));
    BAT target(32 * 2);
    StretchSegment(source, 0, 16, target, 32);
    for (std::uint32_t k = 0; k < 14; ++k)
        ASSERT_EQ(target.ReadSample(k), source.ReadSample(k)) << k;
    EXPECT_EQ(target.ReadSample(14), 1128); // frame 13 at full gain
    EXPECT_EQ(target.ReadSample(21), 652);  // frame 7 again, turning: 7 fade steps down
    EXPECT_EQ(target.ReadSample(31), 60);   // frame 10, 17 fade steps down
    // Order of the tail: 13..7, 7..13, 13..10.
    const std::uint32_t order[] = {13, 12, 11, 10, 9, 8, 7, 7, 8, 9, 10, 11, 12, 13, 13, 12, 11, 10};
    for (std::uint32_t k = 1; k < 18; ++k)
        EXPECT_LE(target.ReadSample(14 + k), source.ReadSample(order[k])) << k;
}

TEST(SliceStretch, LoudEarlierPointIsMatchedInLevel)
{
    // 16 frames falling 2000..500: A = 13 (peak 600 at 14), B = 6 (peak 1300
    // at 7). g2 falls from G at A to (600 * 65536 / 1300) * 32768 at B.
    BAT source(16 * 2);
    for (std::uint32_t k = 0; k < 16; ++k)
        source.WriteSample(k, static_cast<std::int16_t>(2000 - 100 * k));
    BAT target(32 * 2);
    StretchSegment(source, 0, 16, target, 32);
    EXPECT_EQ(target.ReadSample(12), source.ReadSample(12));
    EXPECT_EQ(target.ReadSample(13), 737); // frame 12, g2 one step below G
    EXPECT_EQ(target.ReadSample(19), 441); // frame 6 = B, six fade steps down
}

TEST(SliceStretch, SegmentsFrom2001FramesScanTheirTailAsLongOnes)
{
    // Rising 0..2000: a long segment's A is one frame before the loudest of
    // 300 frames back from 1601, so its tail begins at frame 1600 and fades.
    BAT source(2001 * 2);
    for (std::uint32_t k = 0; k < 2001; ++k)
        source.WriteSample(k, static_cast<std::int16_t>(k));
    BAT target(4002 * 2);
    StretchSegment(source, 0, 2001, target, 4002);
    EXPECT_EQ(target.ReadSample(1599), 1599);
    EXPECT_LT(target.ReadSample(1600), 1600);
}

TEST(SliceStretch, TinySegmentsEqualLengthsAndLengthsIn64Bits)
{
    BAT source(4 * 2);
    source.WriteSample(0, 1000);
    source.WriteSample(1, -1000);
    BAT target(8 * 2);
    StretchSegment(source, 0, 1, target, 4); // one frame repeated, fading
    EXPECT_EQ(target.ReadSample(0), 1000);
    EXPECT_GT(target.ReadSample(1), 0);
    EXPECT_LT(target.ReadSample(3), target.ReadSample(1));
    StretchSegment(source, 0, 2, target, 5);
    EXPECT_EQ(target.ReadSample(1), -1000);
    StretchSegment(source, 1, 3, target, 3); // equal lengths copy
    EXPECT_EQ(target.ReadSample(0), -1000);
    StretchSegment(source, 0, 0, target, 4); // nothing to read: nothing written
    EXPECT_EQ(target.ReadSample(0), -1000);
    EXPECT_EQ(StretchedLength(3000000, 2000), 6000000); // 3000000 * 2000 overflows 32 bits
    EXPECT_EQ(StretchedLength(33472512, 1050), 35146137);
    EXPECT_EQ(StretchedLength(999, 1000), 999);
    EXPECT_EQ(StretchedLength(10, 1050), 10); // 10.5 cut to 10
}
