// The waveform drawn into an 8-bit bitmap, checked by palette index on
// sounds whose picture is known: silence, a full-scale square wave, a spike.
#include <gtest/gtest.h>

#include <memory>

#include "document/views/CWaveformDrawer.h"
#include "document/views/CWaveformPalette.h"
#include "gui/graphics/CBitmap8.h"
#include "tests/support/SoundBuilder.h"

namespace {

constexpr std::uint8_t kBackground = CWaveformPalette::kInterfaceNight;

// A sound whose frames alternate between runs of +32767 and -32768.
std::unique_ptr<WAVE_SAMPLE> Square(std::uint32_t frames, std::uint32_t halfPeriod)
{
    return MakeSound(44100, frames, [=](std::uint32_t i) { return (i / halfPeriod) % 2 == 0 ? 32767 : -32768; });
}

class Picture {
public:
    Picture(int width, int height) : bitmap_(width, height, CPalette()) {}

    void Draw(const WAVE_SAMPLE& sound, const CFrameScale& scale, WaveformStyle style)
    {
        CWaveformDrawer::Draw(sound, scale, style, kBackground,
                              {bitmap_.LockPixels(), bitmap_.GetBytesPerRow(), bitmap_.GetWidth(), bitmap_.GetHeight()});
    }
    int At(int x, int y) const { return bitmap_.GetPixels()[y * bitmap_.GetBytesPerRow() + x]; }
    // Rows of column x that are not background.
    int Painted(int x) const
    {
        int rows = 0;
        for (int y = 0; y < bitmap_.GetHeight(); ++y)
            rows += At(x, y) != kBackground;
        return rows;
    }

private:
    CBitmap8 bitmap_;
};

const WaveformStyle kStyles[] = {WaveformStyle::kPlain, WaveformStyle::k3D, WaveformStyle::kShaded};

}  // namespace

TEST(WaveformRows, FullScaleValuesStayInsideTheBitmap)
{
    // The multiply-and-shift scale is a hair below 1/32767: full scale
    // positive reaches the second row.
    EXPECT_EQ(CWaveformDrawer::SampleRow(32767, 100), 1);
    EXPECT_EQ(CWaveformDrawer::SampleRow(0, 100), 50);
    EXPECT_EQ(CWaveformDrawer::SampleRow(-32767, 100), 99);
    EXPECT_EQ(CWaveformDrawer::SampleRow(-32768, 100), 99);
    EXPECT_EQ(CWaveformDrawer::SampleRow(-32768, 101), 100);
    EXPECT_EQ(CWaveformDrawer::SampleRow(16384, 101), 26);
    EXPECT_EQ(CWaveformDrawer::OverviewRow(-128, 100), 99);
    EXPECT_EQ(CWaveformDrawer::OverviewRow(100, 258), 129 - 100);
    EXPECT_EQ(CWaveformDrawer::SampleRow(-32768, 1), 0);
}

TEST(WaveformDrawer, SilenceIsOneCentreRowInEveryStyle)
{
    const WAVE_SAMPLE silence("Silence", 44100, 8000);
    for (const int height : {100, 101}) {
        for (const WaveformStyle style : kStyles) {
            for (const int length : {8000, 1000}) {
                Picture picture(200, height);
                picture.Draw(silence, CFrameScale(0, length, 200), style);
                for (int x = 0; x < 200; ++x) {
                    EXPECT_EQ(picture.Painted(x), 1);
                    EXPECT_NE(picture.At(x, height / 2), kBackground);
                }
            }
        }
    }
}

TEST(WaveformDrawer, FullScaleSquareFillsEveryColumnDownToTheLastRow)
{
    // 16 frames per pixel, a half period of 4 frames: every column holds both values.
    const auto square = Square(3200, 4);
    for (const int height : {64, 65}) {
        Picture plain(200, height);
        plain.Draw(*square, CFrameScale(0, 3200, 200), WaveformStyle::kPlain);
        Picture relief(200, height);
        relief.Draw(*square, CFrameScale(0, 3200, 200), WaveformStyle::k3D);
        Picture shaded(200, height);
        shaded.Draw(*square, CFrameScale(0, 3200, 200), WaveformStyle::kShaded);
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(plain.At(x, 0), kBackground);
            for (int y = 1; y < height; ++y)
                ASSERT_EQ(plain.At(x, y), CWaveformPalette::kWaveform) << x << "," << y;
            EXPECT_EQ(relief.At(x, 1), CWaveformPalette::kLightShade);
            EXPECT_EQ(relief.At(x, height / 2), CWaveformPalette::kWaveform);
            EXPECT_EQ(relief.At(x, height - 1), CWaveformPalette::kDarkShade);
            EXPECT_EQ(shaded.At(x, 1), CWaveformPalette::kBrightest);
            EXPECT_EQ(shaded.At(x, height - 1), CWaveformPalette::kDarkest);
            EXPECT_LT(shaded.At(x, height / 2), CWaveformPalette::kBrightest);
            EXPECT_GT(shaded.At(x, height / 2), CWaveformPalette::kDarkest);
        }
    }
}

TEST(WaveformDrawer, SquareSeenSampleBySampleDrawsItsEdgesWithoutGapsAndNothingPastItsEnd)
{
    // Zoomed in below one frame per pixel: each frame spans four columns.
    const auto square = Square(256, 8);
    Picture picture(128, 40);
    picture.Draw(*square, CFrameScale(0, 32, 128), WaveformStyle::kPlain);
    EXPECT_EQ(picture.Painted(0), 1);   // the top row
    EXPECT_EQ(picture.At(0, 1), CWaveformPalette::kWaveform);
    EXPECT_EQ(picture.Painted(31), 1);
    EXPECT_EQ(picture.Painted(32), 39); // the falling edge joins top and bottom
    EXPECT_EQ(picture.Painted(33), 1);
    EXPECT_EQ(picture.At(33, 39), CWaveformPalette::kWaveform);
    EXPECT_EQ(picture.Painted(64), 39); // the rising edge
    // Columns past the sound stay background.
    Picture past(50, 20);
    past.Draw(*Square(100, 4), CFrameScale(0, 200, 50), WaveformStyle::k3D);
    EXPECT_EQ(past.Painted(24), 19);
    EXPECT_EQ(past.Painted(25), 0);
    EXPECT_EQ(past.Painted(49), 0);
}

TEST(WaveformDrawer, OverviewFromExactly32FramesPerPixel)
{
    // A spike at frame 100: column 3 from the samples; the overview entries of
    // columns 1 and 2 look 96 frames ahead and see it too.
    WAVE_SAMPLE sound("Spike", 44100, 32 * 64);
    sound.Samples().WriteSample(100, 25600);
    Picture fromOverview(64, 258);
    fromOverview.Draw(sound, CFrameScale(0, 32 * 64, 64), WaveformStyle::kPlain);
    EXPECT_EQ(fromOverview.Painted(0), 1);
    EXPECT_EQ(fromOverview.Painted(1), 1 + 100);  // byte 100: 100 × 129 ÷ 129 rows above the centre
    EXPECT_EQ(fromOverview.Painted(3), 1 + 100);
    EXPECT_EQ(fromOverview.Painted(4), 1);
    EXPECT_EQ(fromOverview.Painted(5), 1);

    Picture fromSamples(64, 258);
    fromSamples.Draw(sound, CFrameScale(0, 31 * 64, 64), WaveformStyle::kPlain);
    EXPECT_EQ(fromSamples.Painted(1), 1);
    EXPECT_EQ(fromSamples.Painted(2), 1);
    EXPECT_GT(fromSamples.Painted(3), 1);
}
