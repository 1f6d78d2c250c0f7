#include <gtest/gtest.h>

#include <vector>

#include "formats/chunks/ByteOrder.h"
#include "formats/slx/CSLXRecord.h"

TEST(SLXRecord, Layout) {
    CSLXRecord record;
    record.loopTicks = 3840;
    record.tempo = 120000;
    record.slices = {{0, 100, 0}, {256, 300, 1920}};
    std::vector<std::uint8_t> b(CSLXRecord::kSize, 0xEE);
    record.Encode(b.data());
    EXPECT_EQ(ReadBigEndian32(&b[0]), 0xD1D1D1DAu);
    EXPECT_EQ(b[4], 1);
    EXPECT_EQ(b[5], 0);
    EXPECT_EQ(ReadBigEndian32(&b[6]), 3840u);
    EXPECT_EQ(ReadBigEndian16(&b[10]), 2);
    EXPECT_EQ(ReadBigEndian32(&b[12]), 120000u);
    for (std::size_t i = 16; i < 1016; ++i) ASSERT_EQ(b[i], 0) << i;
    EXPECT_EQ(ReadBigEndian32(&b[1016 + 12]), 256u);
    EXPECT_EQ(ReadBigEndian32(&b[1016 + 16]), 300u);
    EXPECT_EQ(ReadBigEndian32(&b[1016 + 20]), 1920u);
    for (std::size_t i = 1016 + 24; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << i;
}

TEST(SLXRecord, HighestTempoIsCheckedAgainstTheLoop) {
    EXPECT_EQ(CSLXRecord::StoredTempo(120000, 44100, 3840, 88200), 120000u);
    // A quarter note in 1000000 frames at 16666659 Hz is 999.99954 BPM: kept.
    EXPECT_EQ(CSLXRecord::StoredTempo(999999, 16666659, 960, 1000000), 999999u);
    // One bar of 4/4 in 10584 frames at 44.1 kHz is 1000 BPM, more than shown: unknown.
    EXPECT_EQ(CSLXRecord::StoredTempo(999999, 44100, 3840, 10584), 0u);
    // 666 bars of 7/8 at 96 kHz: the products pass 32 bits.
    EXPECT_EQ(CSLXRecord::StoredTempo(999999, 96000, (666 * 7 + 7) * 480, 100), 0u);
}
