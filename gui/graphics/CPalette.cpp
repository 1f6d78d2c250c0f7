#include "gui/graphics/CPalette.h"

#include "framework/exceptions/GeneralExceptions.h"

namespace {

// The platform's reserved colours: ten at the start, ten at the end.
constexpr RGBColor kFirstStatic[10] = {
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128},
    {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
constexpr RGBColor kLastStatic[10] = {
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},
    {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

// A 16-bit component i * 65535 / steps, reduced to its high byte.
std::uint8_t CubeLevel(int step, int steps)
{
    return static_cast<std::uint8_t>((step * 65535 / steps) >> 8);
}

}  // namespace

CPalette CPalette::MakeApplicationPalette(const std::array<RGBColor, kFreeEntries>& colors)
{
    CPalette palette;
    for (int i = 0; i < 10; ++i) {
        palette[i] = kFirstStatic[i];
        palette[kSize - 10 + i] = kLastStatic[i];
    }
    for (int i = 0; i < kFreeEntries; ++i)
        palette[kFirstFreeEntry + i] = colors[static_cast<std::size_t>(i)];
    return palette;
}

CPalette CPalette::MakeCubePalette()
{
    std::array<RGBColor, kFreeEntries> colors{};
    for (int i = 0; i < 128; ++i) {
        colors[static_cast<std::size_t>(i)] = {CubeLevel((i / 16) % 8, 7), CubeLevel(i % 4, 3),
                                               CubeLevel((i / 4) % 4, 3)};
    }
    return MakeApplicationPalette(colors);
}

std::array<RGBColor, CPalette::kFreeEntries> CPalette::ReadColorTable(const std::uint8_t* bytes,
                                                                      std::size_t size)
{
    if (bytes == nullptr || size != kColorTableBytes)
        throw XBadFormat();
    std::array<RGBColor, kFreeEntries> colors{};
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = {bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    return colors;
}

std::uint8_t CPalette::CubeIndex(RGBColor color)
{
    return static_cast<std::uint8_t>(kFirstFreeEntry + (color.red / 32) * 16 + (color.blue / 64) * 4 +
                                     color.green / 64);
}
