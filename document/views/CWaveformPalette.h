#pragma once
// The 236 colours of the views' off-screen bitmaps, installed at palette
// positions 10 to 245, derived from the waveform colour and the contrast
// (0..100): six interface colours, three contrast-dependent tints, a dark
// ramp and a light ramp of the waveform colour.
#include <array>

#include "document/views/RGBColor16.h"
#include "framework/graphics/RGBColor.h"

class CWaveformPalette {
public:
    static constexpr int kColors = 236;
    static constexpr int kFirstPosition = 10;
    // Palette positions the drawing uses.
    static constexpr int kWaveform = 132;      // the waveform colour itself
    static constexpr int kDarkest = 19;
    static constexpr int kBrightest = 245;
    static constexpr int kDarkShade = 48;
    static constexpr int kLightShade = 216;
    static constexpr int kInterfaceGreen = 10; // the six fixed interface colours: 10..15
    static constexpr int kInterfaceDarkGreen = 11;
    static constexpr int kInterfaceYellow = 12;
    static constexpr int kInterfaceOlive = 13;
    static constexpr int kInterfaceNight = 14;
    static constexpr int kInterfaceNavy = 15;
    static constexpr int kTintLifted = 16;     // the three contrast tints: 16..18
    static constexpr int kTint = 17;
    static constexpr int kTintStrong = 18;

    using Colors = std::array<RGBColor16, kColors>;

    CWaveformPalette(RGBColor16 waveform, int contrast);

    const Colors& Entries() const { return entries_; }
    // The colour at a palette position (10..245).
    const RGBColor16& At(int position) const { return entries_[static_cast<std::size_t>(position - kFirstPosition)]; }
    // The colours with 8-bit components (the high byte of each), for the
    // application palette.
    std::array<RGBColor, kColors> EightBitEntries() const;
    // The locators' colour: the inverse of the waveform colour, adjusted by
    // the factor -contrast / 100.
    RGBColor16 LocatorColor() const { return locator_; }

    // A colour's saturation scaled by 1 + factor around its grey mean.
    static RGBColor16 Adjust(RGBColor16 color, double factor);
    static RGBColor ToEightBit(RGBColor16 color);

private:
    Colors entries_{};
    RGBColor16 locator_{};
};
