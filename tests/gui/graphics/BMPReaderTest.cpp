#include "gui/graphics/CBMPReader.h"

#include <gtest/gtest.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "tests/gui/graphics/GraphicsTestFiles.h"

using graphics_test::Convert;

// A 3 × 2 picture whose rows need padding: top row red, green, blue; bottom
// row white, black, grey.
TEST(CBMPReader, ReadsAConvertMadeBmpTopRowFirst)
{
    const auto bytes = Convert("-size 3x2 xc:black -fill '#ff0000' -draw 'point 0,0' -fill '#00ff00' "
                               "-draw 'point 1,0' -fill '#0000ff' -draw 'point 2,0' -fill white -draw 'point 0,1' "
                               "-fill '#808080' -draw 'point 2,1' -type TrueColor",
                               "three-by-two.bmp", "BMP3:");
    if (bytes.empty())
        GTEST_SKIP() << "ImageMagick convert is not available";
    BytesMedia media(bytes);
    const auto bitmap = CBMPReader::Read(media);
    ASSERT_EQ(bitmap->GetWidth(), 3);
    ASSERT_EQ(bitmap->GetHeight(), 2);
    const std::uint8_t* top = bitmap->LockPixels();
    const std::uint8_t* bottom = top + bitmap->GetBytesPerRow();
    const std::uint8_t expectedTop[12] = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    const std::uint8_t expectedBottom[12] = {255, 255, 255, 0, 0, 0, 0, 0, 128, 128, 128, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(top, top + 12), std::vector<std::uint8_t>(expectedTop, expectedTop + 12));
    EXPECT_EQ(std::vector<std::uint8_t>(bottom, bottom + 12),
              std::vector<std::uint8_t>(expectedBottom, expectedBottom + 12));
}

namespace {

std::vector<std::uint8_t> Header(std::int32_t width, std::int32_t height, int bits)
{
    std::vector<std::uint8_t> bytes(54, 0);
    auto put32 = [&](std::size_t at, std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    bytes[26] = 1;
    bytes[28] = static_cast<std::uint8_t>(bits);
    return bytes;
}

}  // namespace

TEST(CBMPReader, RejectsWhatItCannotRead)
{
    auto notBmp = Header(2, 2, 24);
    notBmp[0] = 'X';
    // The header promises two rows of 8 bytes; one is there.
    auto truncated = Header(2, 2, 24);
    truncated.resize(54 + 8);
    for (const auto& bytes : {notBmp, Header(0, 2, 24)}) {
        BytesMedia media(bytes);
        EXPECT_THROW(CBMPReader::Read(media), XBadFormat);
    }
    BytesMedia eightBits(Header(2, 2, 8));
    EXPECT_THROW(CBMPReader::Read(eightBits), XUnsupportedFormat);
    for (const auto& bytes : {truncated, std::vector<std::uint8_t>{'B', 'M', 0}}) {
        BytesMedia media(bytes);
        EXPECT_THROW(CBMPReader::Read(media), XRead);
    }
}
