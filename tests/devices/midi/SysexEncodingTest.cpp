// Payload encodings against hand-worked values.
#include <gtest/gtest.h>

#include <vector>

#include "devices/midi/SysexEncoding.h"

TEST(SysexEncoding, SevenBitGroupsInBothOrders)
{
    std::uint8_t big[3];
    Pack7BitBigEndian(0x1FFFFF & 0x12345, 3, big);
    EXPECT_EQ(std::vector<std::uint8_t>(big, big + 3), (std::vector<std::uint8_t>{0x04, 0x46, 0x45}));
    EXPECT_EQ(Unpack7BitBigEndian(3, big), 0x12345u);

    struct Case {
        std::uint32_t value;
        std::vector<std::uint8_t> bytes;
    };
    for (const Case& c : {Case{0x3FFF, {0x7F, 0x7F}}, Case{0x12345, {0x45, 0x46, 0x04}},
                          Case{0x0FFFFFFF, {0x7F, 0x7F, 0x7F, 0x7F}}}) {
        std::vector<std::uint8_t> packed{0xF0};
        Append7BitLittleEndian(packed, c.value, c.bytes.size());
        EXPECT_EQ(std::vector<std::uint8_t>(packed.begin() + 1, packed.end()), c.bytes);
        EXPECT_EQ(Unpack7BitLittleEndian(c.bytes.size(), packed.data() + 1), c.value);
    }
    const std::uint8_t highBits[] = {0x81, 0xFF};
    EXPECT_EQ(Unpack7BitLittleEndian(2, highBits), 0x3F81u);
}

TEST(SysexEncoding, NibblesChecksumsMaskAndRounding)
{
    const std::uint8_t bytes[] = {0x5A, 0xF3};
    std::uint8_t nibbles[4];
    PackNibbles(2, bytes, nibbles);
    EXPECT_EQ(std::vector<std::uint8_t>(nibbles, nibbles + 4), (std::vector<std::uint8_t>{0x05, 0x0A, 0x0F, 0x03}));
    std::uint8_t back[2];
    UnpackNibbles(2, back, nibbles);
    EXPECT_EQ(std::vector<std::uint8_t>(back, back + 2), std::vector<std::uint8_t>(bytes, bytes + 2));

    const std::uint8_t sum[] = {0x70, 0x20, 0x01};  // 0x91 kept to 8 bits
    EXPECT_EQ(SumChecksum(3, sum), 0x11);
    EXPECT_EQ(NegatedSumChecksum(3, sum), 0x6F);  // 0x100 - 0x91 = 0x6F
    std::uint8_t masked[2];
    Mask7Bit(2, bytes, masked);
    EXPECT_EQ(masked[1], 0x73);

    EXPECT_EQ(RoundedMulDiv(7, 3, 2), 11);    // 10.5 rounds up
    EXPECT_EQ(RoundedMulDiv(-7, 3, 2), -11);  // and away from zero
    EXPECT_EQ(RoundedMulDiv(5, 1, 3), 2);
}
