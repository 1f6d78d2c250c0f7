#include "gui/graphics/CTransparentBitmap.h"

#include <gtest/gtest.h>

#include "gui/graphics/CBitmap24.h"

namespace {

// A 3 × 1 picture: magenta (the transparent colour), white, black.
std::unique_ptr<CBitmap24> Picture()
{
    auto picture = std::make_unique<CBitmap24>(3, 1);
    picture->FillRect(0, 0, 1, 1, {255, 0, 255});
    picture->FillRect(1, 0, 2, 1, {255, 255, 255});
    picture->FillRect(2, 0, 3, 1, {0, 0, 0});
    return picture;
}

}  // namespace

TEST(CTransparentBitmap, MaskEightBitCopyAndDrawingLeaveTheTransparentColourOut)
{
    const CTransparentBitmap bitmap(*Picture(), {255, 0, 255});
    EXPECT_EQ(bitmap.GetMask().GetPixels()[0], 0x80);  // white where the picture is magenta
    EXPECT_EQ(bitmap.GetImage().GetPixels()[4], 255);
    EXPECT_EQ(bitmap.GetImage().GetPixels()[7], 0);

    // The 8-bit copy uses the colour cube and is made once.
    const CBitmap8& copy = bitmap.Get8BitCopy();
    EXPECT_EQ(copy.GetPixels()[1], 137);
    EXPECT_EQ(copy.GetPixels()[2], 10);
    EXPECT_EQ(&copy, &bitmap.Get8BitCopy());

    CBitmap32 target(3, 1);
    target.FillRect(0, 0, 3, 1, {10, 20, 30});
    bitmap.Draw(target, 0, 0);
    const std::uint8_t* pixels = target.LockPixels();
    EXPECT_EQ(pixels[0], 30);  // masked pixel left alone
    EXPECT_EQ(pixels[2], 10);
    EXPECT_EQ(pixels[4], 255);
    EXPECT_EQ(pixels[8], 0);
}
