#include <gtest/gtest.h>

#include "slicing/Tempo.h"

TEST(Tempo, FromLoopLength)
{
    EXPECT_EQ(TempoFromLength(44100, LoopTicks(2, 0, 2), 0, 88200), 240000);
    EXPECT_EQ(TempoFromLength(44100, LoopTicks(1, 0, 2), 1000, 89200), 120000);
    EXPECT_EQ(TempoFromLength(44100, 0, 0, 88200), 0);
    EXPECT_EQ(TempoFromLength(44100, 3840, 500, 500), 0); // L = R
    EXPECT_EQ(TempoFromLength(0, 3840, 0, 500), 0);
    EXPECT_EQ(TempoFromLength(44100, 3840, 0, 10), 999999); // far above 999.999 BPM
    EXPECT_EQ(TempoFromLength(44100, 3840, 0, 88201), 119998); // 119998.6 cut toward zero
    EXPECT_EQ(FormatTempo(999999), "999.999 BPM");
    EXPECT_EQ(FormatTempo(95500), " 95.500 BPM");
}

TEST(Tempo, NewTempoIsParsedExactly)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"120", 120000}, {"120.5", 120500}, {"1.005", 1005}, {"99.99999", 99999}, {"0", 1},
        {"123456789", 999999}, {"1.2.3", std::nullopt}, {"12a", std::nullopt}, {".", std::nullopt}};
    for (const auto& [text, tempo] : cases)
        EXPECT_EQ(ParseNewTempo(text), tempo) << text;
}

TEST(Tempo, TranspositionBetweenTemposSplitsIntoSemitonesAndCentsThatAddUp)
{
    EXPECT_EQ(TranspositionCents(240000, 120000), 1200);
    EXPECT_EQ(TranspositionCents(130000, 0), 0);
    EXPECT_EQ(TranspositionCents(0, 120000), 0);
    // {cents, semitones, fine cents}
    const std::int32_t splits[][3] = {{150, 2, -50}, {-150, -2, 50}, {170, 2, -30},
                                      {-170, -2, 30}, {50, 1, -50}, {49, 0, 49}};
    for (const auto& [cents, semitones, fine] : splits) {
        EXPECT_EQ(SplitTransposition(cents).semitones, semitones) << cents;
        EXPECT_EQ(SplitTransposition(cents).cents, fine) << cents;
    }
    for (std::int32_t t = -5000; t <= 5000; ++t)
        ASSERT_EQ(100 * SplitTransposition(t).semitones + SplitTransposition(t).cents, t);
}

TEST(Tempo, LoopTicksFromBarsBeatsAndSignatureAndFramesToTicksInSixtyFourBits)
{
    EXPECT_EQ(LoopTicks(1, 0, 2), 3840);
    EXPECT_EQ(LoopTicks(2, 0, 4), 5760); // 2 bars of 6/8: (2 * 6) * 480
    EXPECT_EQ(LoopTicks(1, 3, 5), (7 + 3) * 480);
    EXPECT_EQ(LoopTicks(0, 0, 2), 0);
    // 666 bars of 4/4 over a five-minute loop: the product is far beyond 32 bits.
    const std::int64_t ticks = LoopTicks(666, 0, 2);
    EXPECT_EQ(FramesToTicks(13230000, ticks, 13230000), ticks);
    EXPECT_EQ(FramesToTicks(6615000, ticks, 13230000), ticks / 2);
    EXPECT_EQ(FramesToTicks(1, 3840, 3), 1280);
    EXPECT_EQ(FramesToTicks(100, 3840, 0), 0);
}
