// The views' palette derived from the waveform colour and the contrast.
#include <gtest/gtest.h>

#include "document/views/CWaveformPalette.h"

namespace {

constexpr RGBColor16 kDefaultColor{35453, 32114, 65535};

int Brightness(const RGBColor16& c)
{
    return c.red + c.green + c.blue;
}

}  // namespace

TEST(WaveformPalette, FixedColoursThenTheWaveformColourAt132WithRampsRunningDarkToLight)
{
    const CWaveformPalette palette(kDefaultColor, 50);
    EXPECT_EQ(palette.At(CWaveformPalette::kWaveform), kDefaultColor);
    for (int position = CWaveformPalette::kDarkest; position < CWaveformPalette::kBrightest; ++position)
        EXPECT_LE(Brightness(palette.At(position)), Brightness(palette.At(position + 1))) << position;
    // The brightest: twice the colour (cut at full scale) halfway to grey.
    const double grey = (35453.0 + 32114.0 + 65535.0) / 3.0;
    EXPECT_NEAR(palette.At(CWaveformPalette::kBrightest).red, grey + (65535 - grey) * 0.5, 1.0);
    EXPECT_NEAR(palette.At(CWaveformPalette::kBrightest).green, grey + (64228 - grey) * 0.5, 1.0);
    // The darkest: the colour ÷ 1000, seven tenths of the way from grey.
    EXPECT_NEAR(palette.At(CWaveformPalette::kDarkest).blue, grey + (65 - grey) * 0.7, 1.0);
    // The fixed interface colours come first; eight-bit entries keep the high bytes.
    EXPECT_EQ(palette.At(10), (RGBColor16{9216, 58624, 10496}));
    EXPECT_EQ(palette.At(14), (RGBColor16{0, 0, 16384}));
    EXPECT_EQ(palette.At(15), (RGBColor16{8192, 8192, 32768}));
    EXPECT_EQ(palette.EightBitEntries()[CWaveformPalette::kWaveform - CWaveformPalette::kFirstPosition],
              (RGBColor{138, 125, 255}));
}

TEST(WaveformPalette, ContrastTintsLeanTowardGrey)
{
    const CWaveformPalette neutral(kDefaultColor, 50);
    const double grey = (35453.0 + 32114.0 + 65535.0) / 3.0;
    EXPECT_NEAR(neutral.At(CWaveformPalette::kTint).blue, 0.66 * grey + 0.34 * 65535, 1.0);
    EXPECT_NEAR(neutral.At(CWaveformPalette::kTintStrong).blue, 0.6 * grey + 0.4 * 65535, 1.0);
    // Entry 6 moves entry 7 by 10000: up below half scale, down above.
    EXPECT_EQ(neutral.At(CWaveformPalette::kTintLifted).blue, neutral.At(CWaveformPalette::kTint).blue - 10000);
    // No contrast: the colour is all grey.
    const CWaveformPalette flat(kDefaultColor, 0);
    EXPECT_NEAR(flat.At(CWaveformPalette::kTint).red, grey, 1.0);
    EXPECT_NEAR(flat.At(CWaveformPalette::kTint).blue, grey, 1.0);
}

TEST(WaveformPalette, LocatorsUseTheInverseColour)
{
    const RGBColor16 color{65535, 0, 32768};
    // Contrast 0 leaves the inverse as it is.
    EXPECT_EQ(CWaveformPalette(color, 0).LocatorColor(), (RGBColor16{0, 65535, 32767}));
    // Full contrast takes all its colour away: grey.
    const RGBColor16 grey = CWaveformPalette(color, 100).LocatorColor();
    EXPECT_EQ(grey.red, grey.green);
    EXPECT_EQ(grey.green, grey.blue);
}
