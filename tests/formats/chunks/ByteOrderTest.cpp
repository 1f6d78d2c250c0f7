#include "formats/chunks/ByteOrder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

using Bytes10 = std::array<std::uint8_t, 10>;

static Bytes10 Extended(double value)
{
    Bytes10 bytes{};
    WriteExtended(bytes.data(), value);
    return bytes;
}

TEST(ByteOrder, BigAndLittleEndianLayoutsAtUnalignedAddresses)
{
    std::uint8_t b[6] = {};
    WriteBigEndian32(b + 1, 0x12345678);
    EXPECT_EQ(0, std::memcmp(b + 1, "\x12\x34\x56\x78", 4));
    EXPECT_EQ(ReadLittleEndian32(b + 1), 0x78563412u);
    WriteLittleEndian32(b + 1, 0xA1B2C3D4);
    EXPECT_EQ(0, std::memcmp(b + 1, "\xD4\xC3\xB2\xA1", 4));
    WriteBigEndian16(b + 1, 0xBEEF);
    EXPECT_EQ(ReadLittleEndian16(b + 1), 0xEFBE);
    WriteLittleEndian16(b + 1, 0xBEEF);
    EXPECT_EQ(ReadBigEndian16(b + 1), 0xEFBE);
}

TEST(ByteOrder, IdsAreTerminatedAndShortIdsNotOverRead)
{
    char id[5] = {'x', 'x', 'x', 'x', 'x'};
    ReadId("CAT abc", id);
    EXPECT_STREQ(id, "CAT ");
    std::uint8_t out[4] = {9, 9, 9, 9};
    WriteId(out, "ab");
    EXPECT_EQ(0, std::memcmp(out, "ab\0\0", 4));
}

TEST(ByteOrder, ExtendedLayoutsAndRoundTripsAndValuesOutOfRangeAreSafe)
{
    EXPECT_EQ(Extended(44100), (Bytes10{0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Extended(22050), (Bytes10{0x40, 0x0D, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Extended(0), Bytes10{});
    EXPECT_EQ(Extended(-1)[0], 0xBF);
    for (double v : {44100.9, 8000.0, 96000.0, 0.75, 0.3, -12345.678, 1e300})
        EXPECT_NEAR(ReadExtended(Extended(v).data()), v, std::fabs(v) * 1e-12) << v;
    EXPECT_EQ(static_cast<unsigned>(ReadExtended(Extended(44100.9).data())), 44100u);
    // Values out of range are safe.
    EXPECT_EQ(Extended(std::nan("")), Bytes10{});
    EXPECT_TRUE(std::isinf(ReadExtended(Extended(HUGE_VAL).data())));
    EXPECT_EQ(ReadExtended(Extended(1e-320).data()), 1e-320);
}
