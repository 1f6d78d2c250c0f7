#include <gtest/gtest.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "gui/graphics/CBitmap1.h"
#include "gui/graphics/CBitmap16.h"
#include "gui/graphics/CBitmap24.h"
#include "gui/graphics/CBitmap32.h"
#include "gui/graphics/CBitmap8.h"

TEST(CABCBitmap, RowsArePaddedToFourBytesAndSizesKeptToSixteenBits)
{
    EXPECT_EQ(CBitmap1(9, 2).GetBytesPerRow(), 4);
    EXPECT_EQ(CBitmap24(9, 2).GetBytesPerRow(), 28);
    EXPECT_EQ(CBitmap16(3, 1).GetBytesPerRow(), 8);
    EXPECT_EQ(CBitmap32(5, 1).GetBytesPerRow(), 20);
    EXPECT_EQ(CBitmap8(5, 1, CPalette()).GetBytesPerRow(), 8);
    EXPECT_EQ(CBitmap1(33, 1).GetBytesPerRow(), 8);
    // A size outside sixteen bits cannot be made.
    EXPECT_THROW(CBitmap32(-1, 4), XOutOfMemory);
    EXPECT_THROW(CBitmap32(4, 40000), XOutOfMemory);
    EXPECT_NO_THROW(CBitmap32(0, 0));
}

// Drawing lands in the documented pixel layout of each depth.
TEST(CABCCanvas, FillRectWritesThePixelLayoutOfEachDepth)
{
    const RGBColor orange{248, 128, 16};
    CBitmap32 b32(4, 3);
    b32.FillRect(1, 1, 3, 2, orange);
    const std::uint8_t* p32 = b32.LockPixels() + b32.GetBytesPerRow();
    EXPECT_EQ(p32[0], 0);
    EXPECT_EQ(p32[4], 16);
    EXPECT_EQ(p32[5], 128);
    EXPECT_EQ(p32[6], 248);
    EXPECT_EQ(p32[7], 0);
    EXPECT_EQ(p32[12], 0);

    CBitmap24 b24(4, 3);
    b24.FillRect(0, 0, 4, 3, orange);
    const std::uint8_t* p24 = b24.LockPixels();
    EXPECT_EQ(p24[3], 16);
    EXPECT_EQ(p24[4], 128);
    EXPECT_EQ(p24[5], 248);

    CBitmap16 b16(2, 1);
    b16.FillRect(0, 0, 2, 1, orange);
    const std::uint8_t* p16 = b16.LockPixels();
    const unsigned packed = p16[0] | p16[1] << 8;
    EXPECT_EQ(packed, (248u / 8) * 1024 + (128u / 8) * 32 + 16u / 8);
}

TEST(CABCCanvas, DrawingIntoEightBitsUsesThePalette)
{
    CPalette palette;
    palette[5] = {0, 0, 255};
    palette[6] = {255, 0, 0};
    CBitmap8 bitmap(3, 2, palette);
    bitmap.FillRect(0, 0, 3, 2, {250, 10, 0});
    bitmap.FillRect(1, 1, 2, 2, {0, 0, 240});
    const std::uint8_t* pixels = bitmap.LockPixels();
    EXPECT_EQ(pixels[0], 6);
    EXPECT_EQ(pixels[bitmap.GetBytesPerRow() + 1], 5);
}

TEST(CABCCanvas, LineToDrawsAndMovesThePen)
{
    CBitmap1 bitmap(10, 1);
    bitmap.FillRect(0, 0, 10, 1, {255, 255, 255});
    bitmap.SetForeColor({0, 0, 0});
    bitmap.MoveTo(2, 0);
    bitmap.LineTo(5, 0);
    const std::uint8_t* row = bitmap.LockPixels();
    // Pixels 2-5 black (0), the rest white (1), first pixel in the top bit.
    EXPECT_EQ(row[0], 0b11000011);
    EXPECT_EQ(row[1] & 0xC0, 0xC0);
}
