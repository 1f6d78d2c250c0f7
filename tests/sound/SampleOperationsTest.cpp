#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/streams/CMemoryMedia.h"
#include "sound/ChannelExtraction.h"
#include "sound/SampleBlock.h"
#include "sound/SampleFormatting.h"
#include "sound/ZeroCrossing.h"
#include "tests/support/SoundBuilder.h"

namespace {

std::vector<std::int16_t> Extract(const std::vector<std::uint8_t>& bytes, std::uint32_t frames, int channels,
                                  int bytesPerSample, int channel, bool swap)
{
    CMemoryMedia source(static_cast<std::int64_t>(bytes.size()));
    source.Write(source.Capacity(), bytes.data());
    source.SetPosition(0);
    std::vector<std::int16_t> out(frames);
    ExtractChannel(source, frames, channels, bytesPerSample, channel, swap, out.data());
    return out;
}

} // namespace

TEST(SampleBlock, GainIsQ15AndSaturates)
{
    struct Case {
        std::int32_t gain;
        std::vector<std::int16_t> samples, scaled;
    };
    // At half gain -49152 >> 15 rounds toward minus infinity; at double gain the extremes saturate.
    for (Case c : {Case{16384, {1000, -3, -32768}, {500, -2, -16384}},
                   Case{65536, {20000, -20000, 100}, {32767, -32768, 200}}}) {
        ScaleSamples(c.samples.data(), c.samples.size(), c.gain);
        EXPECT_EQ(c.samples, c.scaled) << c.gain;
    }
}

TEST(Normalize, PeakBecomesFullScale)
{
    auto silent = SoundOf(std::vector<std::int16_t>(20000, 0));
    Normalize(*silent);
    EXPECT_EQ(PeakLevel(silent->Samples()), 0);

    auto negative = SoundOf({1000, -32768, 0}); // P = 32768, gain 32767
    Normalize(*negative);
    EXPECT_EQ(negative->Sample(0), 999);
    EXPECT_EQ(negative->Sample(1), -32767);

    std::vector<std::int16_t> samples(20000, -5);
    samples[15000] = 16384; // gain 1073709056 / 16384 = 65534, peak on the second page
    auto sound = SoundOf(samples);
    Normalize(*sound);
    EXPECT_EQ(sound->Sample(15000), 32767);
    EXPECT_EQ(sound->Sample(0), -10); // -327670 >> 15
}

TEST(ZeroCrossing, FindsTheNearerPairBackwardFirstInsideTheSound)
{
    auto sound = SoundOf({5, 5, 5, -5, 5, 5, 5, 5, -5, 5, 0});
    EXPECT_EQ(FindZeroCrossing(*sound, 5, 300), 3u); // backward pair (4,3) at k = 2
    EXPECT_EQ(FindZeroCrossing(*sound, 6, 300), 8u); // forward pair (7,8) at k = 2 before (4,3) at k = 3
    EXPECT_EQ(FindZeroCrossing(*sound, 5, 2), 5u);   // radius too small: stays
    EXPECT_EQ(FindZeroCrossing(*sound, 10, 300), 10u);
    auto early = SoundOf({5, -5, 7, 7, 7});
    EXPECT_EQ(FindZeroCrossing(*early, 1, 300), 0u); // the backward pair may end on the first frame
    // It never looks outside the sound.
    WAVE_SAMPLE empty("e", 44100, 0);
    EXPECT_EQ(FindZeroCrossing(empty, 0, 300), 0u);
    auto flat = SoundOf({7, 7, 7, 7});
    EXPECT_EQ(FindZeroCrossing(*flat, -10, 300), 0u);
    EXPECT_EQ(FindZeroCrossing(*flat, 100, 300), 3u);
}

TEST(SampleFormatting, RatesTimesAndDistances)
{
    EXPECT_EQ(FormatSampleRate(800), "800Hz");
    EXPECT_EQ(FormatSampleRate(1000), "1kHz");
    EXPECT_EQ(FormatSampleRate(44100), "44.1kHz");
    EXPECT_EQ(FormatSampleRate(22050), "22.05kHz");
    EXPECT_EQ(FormatSampleRate(32001), "32.001kHz");
    EXPECT_EQ(FormatMilliseconds(5), "  0.005");
    EXPECT_EQ(FormatMilliseconds(1234567), "1234.567");
    EXPECT_EQ(CentsDistance(88200, 44100), 1200);
    EXPECT_EQ(CentsDistance(110000, 120000), -150); // -150.64 cut toward zero
    EXPECT_EQ(CentsDistance(0, 120000), 0);
}

TEST(ChannelExtraction, ShortLayoutsAndOnesItCannotTake)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::uint32_t frames;
        int channels, bytesPerSample, channel;
        bool swap;
        std::vector<std::int16_t> samples;
    };
    const std::vector<std::uint8_t> stereo = {0x01, 0x00, 0x02, 0x00, 0xFF, 0xFF, 0x00, 0x80};
    const std::vector<std::uint8_t> bytes3 = {0x10, 0x80, 0x7F, 0xFF, 0x00, 0x01};
    const std::vector<std::uint8_t> words3 = {0x03, 0x00, 0xFF, 0xFF, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0xFF, 0x7F};
    const Case cases[] = {
        {stereo, 2, 2, 2, 1, false, {2, -32768}},
        {stereo, 2, 2, 2, 1, true, {0x0200, 0x0080}},
        // Eight-bit samples are shifted left; the swap does not apply to them.
        {bytes3, 2, 3, 1, 1, true, {-32768, 0}},
        {bytes3, 2, 3, 1, 2, false, {0x7F00, 0x0100}},
        // The mix is the mean of the first two channels.
        {{0x10, 0x27, 0x30, 0x75, 0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80}, 3, 2, 2, kMixChannels, false,
         {20000, 32767, -32768}},
        {words3, 2, 3, 2, kMixChannels, false, {1, -32768}},
        {words3, 2, 3, 2, 2, false, {-32768, 32767}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Extract(c.bytes, c.frames, c.channels, c.bytesPerSample, c.channel, c.swap), c.samples)
            << c.channels << " channels of " << c.bytesPerSample << " bytes, channel " << c.channel;
    // Layouts it cannot take.
    EXPECT_THROW(Extract(stereo, 1, 2, 3, 0, false), XUnsupportedFormat);
    EXPECT_THROW(Extract(stereo, 1, 2, 2, 2, false), XUnsupportedFormat);
    EXPECT_THROW(Extract(stereo, 1, 1, 2, kMixChannels, false), XUnsupportedFormat);
    EXPECT_THROW(Extract(stereo, 3, 2, 2, 0, false), XRead); // source too short
}

TEST(ChannelExtraction, LongSourcesRunInPieces)
{
    // 70000 stereo frames take two pieces of at most 65536 frames.
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 70000; ++i) {
        const auto right = static_cast<std::uint16_t>(-i);
        bytes.insert(bytes.end(), {0, 0, static_cast<std::uint8_t>(right), static_cast<std::uint8_t>(right >> 8)});
    }
    const auto right = Extract(bytes, 70000, 2, 2, 1, false);
    for (int i = 0; i < 70000; ++i)
        ASSERT_EQ(right[i], static_cast<std::int16_t>(-i)) << i;
    const auto mono = Extract(bytes, 140000, 1, 2, 0, false); // read straight into place
    EXPECT_EQ(std::memcmp(mono.data(), bytes.data(), bytes.size()), 0);
}

TEST(ChannelExtraction, SwappedMixOverManyPiecesMatchesTheBigEndianMean)
{
    // Big-endian stereo frames with extremes and odd sums, over two pieces.
    constexpr int kFrames = 70001;
    std::vector<std::uint8_t> bytes;
    std::vector<std::int16_t> expected;
    for (int i = 0; i < kFrames; ++i) {
        const auto left = static_cast<std::int16_t>(i % 3 == 0 ? -32768 : i * 7919);
        const auto right = static_cast<std::int16_t>(i % 5 == 0 ? 32767 : -i * 104729);
        for (const std::int16_t s : {left, right})
            bytes.insert(bytes.end(), {static_cast<std::uint8_t>(static_cast<std::uint16_t>(s) >> 8),
                                       static_cast<std::uint8_t>(s)});
        expected.push_back(static_cast<std::int16_t>(static_cast<int>(std::floor((left + right) / 2.0))));
    }
    EXPECT_EQ(Extract(bytes, kFrames, 2, 2, kMixChannels, true), expected);
    const auto mono = Extract(bytes, 2 * kFrames, 1, 2, 0, true);
    for (int i = 0; i < 2 * kFrames; ++i)
        ASSERT_EQ(static_cast<std::uint16_t>(mono[i]), bytes[2 * i] << 8 | bytes[2 * i + 1]) << i;
}
