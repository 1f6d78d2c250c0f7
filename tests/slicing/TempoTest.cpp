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
    EXPECT_EQ(ParseNewTempo("120"), 120000);
    EXPECT_EQ(ParseNewTempo("120.5"), 120500);
    EXPECT_EQ(ParseNewTempo("1.005"), 1005);
    EXPECT_EQ(ParseNewTempo("99.99999"), 99999);
    EXPECT_EQ(ParseNewTempo("0"), 1);
    EXPECT_EQ(ParseNewTempo("123456789"), 999999);
    EXPECT_EQ(ParseNewTempo("1.2.3"), std::nullopt);
    EXPECT_EQ(ParseNewTempo("12a"), std::nullopt);
    EXPECT_EQ(ParseNewTempo("."), std::nullopt);
}

TEST(Tempo, TranspositionBetweenTemposSplitsIntoSemitonesAndCentsThatAddUp)
{
    EXPECT_EQ(TranspositionCents(240000, 120000), 1200);
    EXPECT_EQ(TranspositionCents(130000, 0), 0);
    EXPECT_EQ(TranspositionCents(0, 120000), 0);
    const auto check = [](std::int32_t cents, std::int32_t semitones, std::int32_t fine) {
        const TranspositionSplit split = SplitTransposition(cents);
        EXPECT_EQ(split.semitones, semitones) << cents;
        EXPECT_EQ(split.cents, fine) << cents;
        EXPECT_EQ(100 * split.semitones + split.cents, cents);
    };
    check(150, 2, -50);
    check(-150, -2, 50);
    check(170, 2, -30);
    check(-170, -2, 30);
    check(50, 1, -50);
    check(49, 0, 49);
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
