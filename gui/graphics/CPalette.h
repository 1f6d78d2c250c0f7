#pragma once
// A 256-entry colour table: the application palette built from 236 colours
// between the platform's twenty static colours, and the colour-cube palette of
// the 8-bit copies of transparent bitmaps.
#include <array>
#include <cstddef>
#include <cstdint>

#include "framework/graphics/RGBColor.h"

class CPalette {
public:
    static constexpr int kSize = 256;
    static constexpr int kFreeEntries = 236;
    static constexpr int kFirstFreeEntry = 10;
    // Size of an SCOL colour table: 236 colours of red, green, blue bytes.
    static constexpr std::size_t kColorTableBytes = kFreeEntries * 3;

    // All entries black.
    CPalette() = default;

    // Entries 0-9 and 246-255 are the static colours, 10-245 the given ones.
    static CPalette MakeApplicationPalette(const std::array<RGBColor, kFreeEntries>& colors);
    // The application palette whose first 128 free entries form a colour cube
    // (8 reds, 4 greens, 4 blues) and the other 108 are black.
    static CPalette MakeCubePalette();
    // Reads the 236 colours of an SCOL table; XBadFormat unless it is exactly 708 bytes.
    static std::array<RGBColor, kFreeEntries> ReadColorTable(const std::uint8_t* bytes, std::size_t size);
    // The cube palette index of a colour.
    static std::uint8_t CubeIndex(RGBColor color);

    const RGBColor& operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }
    RGBColor& operator[](int index) { return entries_[static_cast<std::size_t>(index)]; }

private:
    std::array<RGBColor, kSize> entries_{};
};
