#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "document/buffer/ChannelExtraction.h"
#include "document/buffer/SampleBlock.h"
#include "document/buffer/SampleFormatting.h"
#include "document/buffer/WAVE_SAMPLE.h"
#include "document/buffer/ZeroCrossing.h"
#include "formats/streams/CMemoryMedia.h"
#include "framework/exceptions/GeneralExceptions.h"

namespace {

std::unique_ptr<WAVE_SAMPLE> SoundOf(const std::vector<std::int16_t>& samples)
{
    auto sound = std::make_unique<WAVE_SAMPLE>("s", 44100, static_cast<std::uint32_t>(samples.size()));
    for (std::size_t i = 0; i < samples.size(); ++i)
        sound->Samples().WriteSample(static_cast<std::uint32_t>(i), samples[i]);
    return sound;
}

CMemoryMedia MediaOf(const std::vector<std::uint8_t>& bytes)
{
    CMemoryMedia media(static_cast<std::int64_t>(bytes.size()));
    media.Write(static_cast<std::int64_t>(bytes.size()), bytes.data());
    media.SetPosition(0);
    return media;
}

std::vector<std::int16_t> Extract(CMemoryMedia& source, std::uint32_t frames, int channels, int bytes, int channel,
                                  bool swap)
{
    CMemoryMedia out(std::int64_t{frames} * 2);
    ExtractChannel(source, frames, channels, bytes, channel, swap, out);
    const auto* data = reinterpret_cast<const std::int16_t*>(out.Data());
    return {data, data + frames};
}

} // namespace

TEST(SampleBlock, GainIsQ15WithArithmeticShift)
{
    std::int16_t samples[] = {1000, -3, 32767, -32768};
    ScaleSamples(samples, 4, 16384);
    EXPECT_EQ(samples[0], 500);
    EXPECT_EQ(samples[1], -2); // -49152 >> 15 rounds toward minus infinity
    EXPECT_EQ(samples[2], 16383);
    EXPECT_EQ(samples[3], -16384);
}

TEST(SampleBlock, GainAboveUnitySaturatesInsteadOfWrapping)
{
    std::int16_t samples[] = {20000, -20000, 100};
    ScaleSamples(samples, 3, 65536);
    EXPECT_EQ(samples[0], 32767);
    EXPECT_EQ(samples[1], -32768);
    EXPECT_EQ(samples[2], 200);
}

TEST(SampleBlock, SwapBytesOfFlatBlock)
{
    std::int16_t samples[] = {0x0102, static_cast<std::int16_t>(0xFF00)};
    SwapSampleBytes(samples, 2);
    EXPECT_EQ(samples[0], 0x0201);
    EXPECT_EQ(samples[1], 0x00FF);
}

TEST(Normalize, SilentSoundIsUnchanged)
{
    auto sound = SoundOf(std::vector<std::int16_t>(20000, 0));
    Normalize(*sound);
    EXPECT_EQ(PeakLevel(sound->Samples()), 0);
}

TEST(Normalize, NegativeFullScalePeakGivesGain32767)
{
    auto sound = SoundOf({1000, -32768, 0});
    Normalize(*sound);
    EXPECT_EQ(sound->Sample(0), 999); // 1000 * 32767 >> 15
    EXPECT_EQ(sound->Sample(1), -32767);
}

TEST(Normalize, PeakBecomes32767AcrossPages)
{
    std::vector<std::int16_t> samples(20000, -5);
    samples[15000] = 16384; // gain 1073709056 / 16384 = 65534
    auto sound = SoundOf(samples);
    Normalize(*sound);
    EXPECT_EQ(sound->Sample(15000), 32767);
    EXPECT_EQ(sound->Sample(0), -10); // -327670 >> 15
    EXPECT_EQ(sound->Sample(19999), -10);
}

TEST(ZeroCrossing, FindsTheNearerPairBackwardFirst)
{
    auto sound = SoundOf({5, 5, 5, -5, 5, 5, 5, 5, -5, 5, 5});
    EXPECT_EQ(FindZeroCrossing(*sound, 5, 300), 3u); // backward pair (4,3) at k = 2
    EXPECT_EQ(FindZeroCrossing(*sound, 6, 300), 8u); // forward pair (7,8) at k = 2 before (4,3) at k = 3
    EXPECT_EQ(FindZeroCrossing(*sound, 5, 2), 5u);   // radius too small: stays
}

TEST(ZeroCrossing, ZeroSampleIsItsOwnAnswer)
{
    auto sound = SoundOf({5, 0, 5});
    EXPECT_EQ(FindZeroCrossing(*sound, 1, 300), 1u);
}

TEST(ZeroCrossing, NeverLooksOutsideTheSound)
{
    WAVE_SAMPLE empty("e", 44100, 0);
    EXPECT_EQ(FindZeroCrossing(empty, 0, 300), 0u);
    EXPECT_EQ(FindZeroCrossing(empty, -5, 300), 0u);

    auto sound = SoundOf({7, 7, 7, 7});
    EXPECT_EQ(FindZeroCrossing(*sound, -10, 300), 0u);
    EXPECT_EQ(FindZeroCrossing(*sound, 100, 300), 3u);
    EXPECT_EQ(FindZeroCrossing(*sound, 2, 300), 2u);
}

TEST(SampleFormatting, RatesDropTrailingZeros)
{
    EXPECT_EQ(FormatSampleRate(800), "800Hz");
    EXPECT_EQ(FormatSampleRate(0), "0Hz");
    EXPECT_EQ(FormatSampleRate(1000), "1kHz");
    EXPECT_EQ(FormatSampleRate(44100), "44.1kHz");
    EXPECT_EQ(FormatSampleRate(48000), "48kHz");
    EXPECT_EQ(FormatSampleRate(22050), "22.05kHz");
    EXPECT_EQ(FormatSampleRate(32001), "32.001kHz");
}

TEST(SampleFormatting, MillisecondsAsSeconds)
{
    EXPECT_EQ(FormatMilliseconds(5), "  0.005");
    EXPECT_EQ(FormatMilliseconds(120000), "120.000");
    EXPECT_EQ(FormatMilliseconds(999999), "999.999");
    EXPECT_EQ(FormatMilliseconds(1234567), "1234.567");
}

TEST(SampleFormatting, SemitoneAndCentDistances)
{
    EXPECT_DOUBLE_EQ(SemitoneDistance(88200, 44100), 12.0);
    EXPECT_EQ(CentsDistance(88200, 44100), 1200);
    EXPECT_EQ(CentsDistance(44100, 88200), -1200);
    EXPECT_EQ(CentsDistance(130000, 120000), 138); // 138.57 cut toward zero
    EXPECT_EQ(CentsDistance(110000, 120000), -150); // -150.64 cut toward zero
    EXPECT_EQ(CentsDistance(0, 120000), 0);
    EXPECT_EQ(CentsDistance(120000, 0), 0);
}

TEST(ChannelExtraction, TakesOneChannelOfStereo16Bit)
{
    auto source = MediaOf({0x01, 0x00, 0x02, 0x00, 0xFF, 0xFF, 0x00, 0x80});
    EXPECT_EQ(Extract(source, 2, 2, 2, 1, false), (std::vector<std::int16_t>{2, -32768}));
}

TEST(ChannelExtraction, SwapsBigEndianSamplesFirst)
{
    auto source = MediaOf({0x01, 0x00, 0x02, 0x00, 0xFF, 0xFF, 0x80, 0x00});
    EXPECT_EQ(Extract(source, 2, 2, 2, 1, true), (std::vector<std::int16_t>{0x0200, -32768}));
}

TEST(ChannelExtraction, EightBitSamplesAreShiftedLeft)
{
    auto source = MediaOf({0x10, 0x80, 0x7F, 0xFF, 0x00, 0x01});
    EXPECT_EQ(Extract(source, 2, 3, 1, 1, true), (std::vector<std::int16_t>{-32768, 0}));
    source.SetPosition(0);
    EXPECT_EQ(Extract(source, 2, 3, 1, 2, false), (std::vector<std::int16_t>{0x7F00, 0x0100}));
}

TEST(ChannelExtraction, MixIsTheMeanOfTwoChannels)
{
    auto source = MediaOf({0x10, 0x27, 0x30, 0x75, 0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80});
    // (10000 + 30000) / 2, full scale stays full scale on both sides.
    EXPECT_EQ(Extract(source, 3, 2, 2, kMixChannels, false), (std::vector<std::int16_t>{20000, 32767, -32768}));
}

TEST(ChannelExtraction, LongSourcesRunInPieces)
{
    // 5000 stereo frames need two pieces of at most 4096 frames.
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 5000; ++i) {
        const auto left = static_cast<std::uint16_t>(i);
        const auto right = static_cast<std::uint16_t>(-i);
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(left), static_cast<std::uint8_t>(left >> 8),
                                   static_cast<std::uint8_t>(right), static_cast<std::uint8_t>(right >> 8)});
    }
    auto source = MediaOf(bytes);
    const auto right = Extract(source, 5000, 2, 2, 1, false);
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(right[i], -i) << i;

    std::vector<std::uint8_t> mono(30000);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = static_cast<std::uint8_t>(i % 251);
    auto monoSource = MediaOf(mono);
    const auto copied = Extract(monoSource, 15000, 1, 2, 0, false);
    EXPECT_EQ(std::memcmp(copied.data(), mono.data(), mono.size()), 0);
}

TEST(ChannelExtraction, RefusesLayoutsItCannotTake)
{
    auto source = MediaOf({0, 0, 0, 0});
    CMemoryMedia out(16);
    EXPECT_THROW(ExtractChannel(source, 1, 2, 3, 0, false, out), XUnsupportedFormat);
    EXPECT_THROW(ExtractChannel(source, 1, 0, 2, 0, false, out), XUnsupportedFormat);
    EXPECT_THROW(ExtractChannel(source, 1, 2, 2, 2, false, out), XUnsupportedFormat);
    EXPECT_THROW(ExtractChannel(source, 1, 1, 2, kMixChannels, false, out), XUnsupportedFormat);
    EXPECT_THROW(ExtractChannel(source, 2, 2, 2, 0, false, out), XRead); // source too short
}
