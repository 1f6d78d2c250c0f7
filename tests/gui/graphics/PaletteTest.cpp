#include <gtest/gtest.h>

#include "framework/exceptions/GeneralExceptions.h"
#include "gui/graphics/CPalette.h"
#include "gui/graphics/CPictureResources.h"

TEST(CPalette, ApplicationPaletteKeepsTheStaticColoursAtBothEnds)
{
    std::array<RGBColor, CPalette::kFreeEntries> colors{};
    for (int i = 0; i < CPalette::kFreeEntries; ++i)
        colors[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), 1, 2};
    const CPalette palette = CPalette::MakeApplicationPalette(colors);
    EXPECT_EQ(palette[0], (RGBColor{0, 0, 0}));
    EXPECT_EQ(palette[255], (RGBColor{255, 255, 255}));
    EXPECT_EQ(palette[10], (RGBColor{0, 1, 2}));
    EXPECT_EQ(palette[245], (RGBColor{235, 1, 2}));
}

TEST(CPalette, CubeIndexOfWhiteAndBlack)
{
    EXPECT_EQ(CPalette::CubeIndex({255, 255, 255}), 137);
    EXPECT_EQ(CPalette::CubeIndex({0, 0, 0}), 10);
    const CPalette cube = CPalette::MakeCubePalette();
    EXPECT_EQ(cube[137], (RGBColor{255, 255, 255}));
    EXPECT_EQ(cube[138], (RGBColor{0, 0, 0}));
    // Each cube entry is the colour that maps back to it.
    for (int i = 10; i < 138; ++i)
        EXPECT_EQ(CPalette::CubeIndex(cube[i]), i) << i;
}

TEST(CPalette, ColorTableMustBeExactly708BytesLikeTheEmbeddedOne)
{
    std::uint8_t bytes[709] = {7, 8, 9};
    EXPECT_THROW(CPalette::ReadColorTable(bytes, 707), XBadFormat);
    EXPECT_THROW(CPalette::ReadColorTable(bytes, 709), XBadFormat);
    EXPECT_EQ(CPalette::ReadColorTable(bytes, 708)[0], (RGBColor{7, 8, 9}));
    // Colour table 128 is embedded.
    const auto colors = CPictureResources::LoadColorTable(128);
    EXPECT_EQ(colors[0], (RGBColor{0, 0, 0}));
    EXPECT_EQ(colors[215], (RGBColor{255, 255, 255}));
    EXPECT_THROW(CPictureResources::LoadColorTable(127), XNotFound);
}
