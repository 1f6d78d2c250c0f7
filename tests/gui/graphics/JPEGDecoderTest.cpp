#include "gui/graphics/CJPEGDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "gui/graphics/CPictureResources.h"
#include "tests/gui/graphics/GraphicsTestFiles.h"

using graphics_test::Convert;

namespace {

// An 16 × 8 picture: left half pure red, right half pure blue.
std::vector<std::uint8_t> RedBlueJpeg()
{
    return Convert("-size 8x8 xc:'#ff0000' -size 8x8 xc:'#0000ff' +append -quality 100 -sampling-factor 1x1",
                   "red-blue.jpg");
}

bool Near(int value, int expected)
{
    return value >= expected - 6 && value <= expected + 6;
}

}  // namespace

TEST(CJPEGDecoder, EveryDepthGetsTheColoursInItsLayout)
{
    const auto bytes = RedBlueJpeg();
    if (bytes.empty())
        GTEST_SKIP() << "ImageMagick convert is not available";

    BytesMedia m32(bytes);
    const auto b32 = CJPEGDecoder::Decode(m32, 32);
    ASSERT_EQ(b32->GetWidth(), 16);
    ASSERT_EQ(b32->GetHeight(), 8);
    const std::uint8_t* p = b32->LockPixels() + 3 * b32->GetBytesPerRow();
    EXPECT_TRUE(Near(p[0], 0) && Near(p[1], 0) && Near(p[2], 255)) << int(p[0]) << " " << int(p[1]) << " " << int(p[2]);
    EXPECT_EQ(p[3], 0);
    EXPECT_TRUE(Near(p[4 * 12], 255) && Near(p[4 * 12 + 2], 0));

    BytesMedia m24(bytes);
    const auto b24 = CJPEGDecoder::Decode(m24, 24);
    const std::uint8_t* q = b24->LockPixels();
    EXPECT_TRUE(Near(q[0], 0) && Near(q[2], 255));
    EXPECT_TRUE(Near(q[3 * 12], 255) && Near(q[3 * 12 + 2], 0));

    BytesMedia m16(bytes);
    const auto b16 = CJPEGDecoder::Decode(m16, 16);
    const std::uint8_t* r = b16->LockPixels();
    const unsigned red = r[0] | r[1] << 8;
    const unsigned blue = r[24] | r[25] << 8;
    EXPECT_EQ(red >> 10, 31u);
    EXPECT_EQ(blue & 31u, 31u);
    EXPECT_EQ(red & 0x3FF, blue >> 10 << 10 & 0x3FF);

    CPalette map;
    map[3] = {255, 0, 0};
    map[7] = {0, 0, 255};
    BytesMedia m8(bytes);
    const auto b8 = CJPEGDecoder::Decode(m8, 8, &map);
    EXPECT_EQ(b8->LockPixels()[0], 3);
    EXPECT_EQ(b8->LockPixels()[12], 7);
}

TEST(CJPEGDecoder, SplashPictureIsEmbedded)
{
    const auto splash = CPictureResources::LoadJPEG(128, 32);
    EXPECT_GT(splash->GetWidth(), 100);
    EXPECT_GT(splash->GetHeight(), 100);
}

TEST(CJPEGDecoder, TruncatedPictureOrNoJpegIsABadFormat)
{
    BytesMedia gif(std::vector<std::uint8_t>{'G', 'I', 'F', '8', '9', 'a', 0, 0});
    EXPECT_THROW(CJPEGDecoder::Decode(gif, 24), XJPegBadFormat);
    const auto bytes = RedBlueJpeg();
    if (bytes.empty())
        GTEST_SKIP() << "ImageMagick convert is not available";
    for (std::size_t keep : {std::size_t{0}, std::size_t{2}, std::size_t{40}, bytes.size() / 2, bytes.size() - 3}) {
        BytesMedia media(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(keep)));
        EXPECT_THROW(CJPEGDecoder::Decode(media, 32), XJPegBadFormat) << keep;
    }
}

TEST(CJPEGDecoder, TwelveBitPrecisionIsUnsupported)
{
    auto bytes = RedBlueJpeg();
    if (bytes.empty())
        GTEST_SKIP() << "ImageMagick convert is not available";
    // The precision byte follows the baseline frame marker and its length.
    for (std::size_t i = 0; i + 4 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 4] = 12;
            break;
        }
    }
    BytesMedia media(bytes);
    EXPECT_THROW(CJPEGDecoder::Decode(media, 32), XJPegUnsupportedFormat);
}

TEST(CJPEGDecoder, MessageCodesMapByNameAndEightBitsNeedAColourMap)
{
    EXPECT_THROW(CJPEGDecoder::ThrowForMessageCode(JERR_OUT_OF_MEMORY), XJPegOutOfMemory);
    EXPECT_THROW(CJPEGDecoder::ThrowForMessageCode(JERR_VIRTUAL_BUG), XJPegInternalError);
    EXPECT_THROW(CJPEGDecoder::ThrowForMessageCode(JERR_SOF_UNSUPPORTED), XJPegUnsupportedFormat);
    EXPECT_THROW(CJPEGDecoder::ThrowForMessageCode(JERR_NO_SOI), XJPegBadFormat);
    EXPECT_THROW(CJPEGDecoder::ThrowForMessageCode(JERR_BAD_DCT_COEF), XJPegBadFormat);
    EXPECT_THROW(CJPEGDecoder::ThrowForMessageCode(JMSG_LASTMSGCODE + 5), XJPegInternalError);
    BytesMedia media(std::vector<std::uint8_t>{0xFF, 0xD8});
    EXPECT_THROW(CJPEGDecoder::Decode(media, 8), XInternalError);
    EXPECT_THROW(CJPEGDecoder::Decode(media, 12), XInternalError);
}
