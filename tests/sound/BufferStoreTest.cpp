#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/exceptions/GeneralExceptions.h"
#include "sound/BAT.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"

TEST(BAT, PagesFollowTheSize)
{
    BAT one(8192 * 2);
    EXPECT_NE(one.Page(0), nullptr);
    EXPECT_EQ(one.Page(1), nullptr);

    BAT two(8193 * 2);
    ASSERT_NE(two.Page(1), nullptr);
    two.WriteSample(8192, -7);
    // Sample 8192 opens page 1, little-endian; the rest of the page stays zero.
    EXPECT_EQ(two.Page(1)[0], 0xF9);
    EXPECT_EQ(two.Page(1)[1], 0xFF);
    for (std::uint32_t b = 2; b < BAT::kPageSize; ++b)
        ASSERT_EQ(two.Page(1)[b], 0) << b;

    EXPECT_EQ(BAT::PageCount(std::uint64_t{300} * 48000 * 2), 1758u); // five minutes at 48 kHz
    EXPECT_THROW(BAT(BAT::kMaxSize + 1), XOutOfMemory);
}

TEST(BAT, CopyOfBytesFillsItsPagesAndZeroesTheRest)
{
    std::vector<std::uint8_t> bytes(BAT::kPageSize + 3);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    {
        // Freed dirty pages, likely handed out again below.
        BAT dirty(2 * BAT::kPageSize);
        for (std::uint32_t k = 0; k < 2; ++k)
            std::memset(dirty.Page(k), 0xEE, BAT::kPageSize);
    }
    const BAT copy(bytes.data(), bytes.size());
    EXPECT_EQ(copy.Size(), bytes.size());
    EXPECT_EQ(copy.Page(2), nullptr);
    EXPECT_EQ(std::memcmp(copy.Page(0), bytes.data(), BAT::kPageSize), 0);
    EXPECT_EQ(std::memcmp(copy.Page(1), bytes.data() + BAT::kPageSize, 3), 0);
    for (std::uint32_t b = 3; b < BAT::kPageSize; ++b)
        ASSERT_EQ(copy.Page(1)[b], 0) << b;
    EXPECT_THROW(BAT(bytes.data(), BAT::kMaxSize + 1), XOutOfMemory);
}

TEST(BAT, WalkGivesPiecesUpToEachPageEnd)
{
    BAT store(4 * BAT::kPageSize);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pieces;
    store.Walk(16000, 40000, [&](std::uint8_t*, std::uint32_t length, std::uint32_t offset) {
        pieces.emplace_back(offset, length);
        return true;
    });
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> expected = {
        {16000, 384}, {16384, 16384}, {32768, 16384}, {49152, 6848}};
    EXPECT_EQ(pieces, expected);

    EXPECT_THROW(store.Walk(0, 100, [](std::uint8_t*, std::uint32_t, std::uint32_t) { return false; }), XBase);
    std::uint8_t buffer[8];
    EXPECT_THROW(store.ReadBytes(4 * BAT::kPageSize - 4, 8, buffer), XPosition);
    EXPECT_THROW(store.WriteBytes(0xFFFFFFF0u, 0x20, buffer), XPosition); // the end does not wrap
}

TEST(BAT, CopyAcrossPagesAtOddOffsets)
{
    BAT from(3 * BAT::kPageSize);
    BAT to(3 * BAT::kPageSize);
    std::vector<std::uint8_t> bytes(40000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    from.WriteBytes(1001, 40000, bytes.data());
    BAT::CopyBytes(from, 1001, to, 7777, 40000);

    std::vector<std::uint8_t> back(40000);
    to.ReadBytes(7777, 40000, back.data());
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(to.Page(0)[7776], 0);
    EXPECT_EQ(to.Page(2)[7777 + 40000 - 2 * BAT::kPageSize], 0);

    to.SwapBytes(); // samples are byte pairs from even offsets
    EXPECT_EQ(to.Page(0)[7776], bytes[0]);
    EXPECT_EQ(to.Page(0)[7779], bytes[1]);
}

TEST(WAVE_SAMPLE, NameIsCutAndLoopRangeIsValidated)
{
    const std::string longName(100, 'n');
    EXPECT_EQ(std::strlen(WAVE_SAMPLE(longName.c_str(), 44100, 1000).Name()), 67u);
    WAVE_SAMPLE sound("s", 8000, 1000, 100, 5000, true);
    EXPECT_EQ(sound.LoopStart(), 100);
    EXPECT_EQ(sound.LoopEnd(), 1000);

    sound.SetLoop(2000, 3000, true); // start beyond the sound: clamped to the end
    EXPECT_EQ(sound.LoopStart(), 1000);
    EXPECT_EQ(sound.LoopEnd(), 1000);

    sound.SetLoop(200, 300, true);
    sound.SetLoopEnd(150); // below the start: the whole sound
    EXPECT_EQ(sound.LoopStart(), 0);
    EXPECT_EQ(sound.LoopEnd(), 1000);

    sound.SetLoop(200, 300, false);
    EXPECT_TRUE(sound.LoopSet());
    EXPECT_EQ(sound.LoopStart(), 0);

    sound.SetLoop(-2147483647 - 1, 2147483647, true); // the difference does not wrap
    EXPECT_EQ(sound.LoopStart(), 0);
    EXPECT_EQ(sound.LoopEnd(), 1000);
}

TEST(WAVE_SAMPLE, OverviewHoldsExtremesOf96Frames)
{
    WAVE_SAMPLE tiny("t", 8000, 31);
    EXPECT_EQ(tiny.Overview().Size(), 0u);

    WAVE_SAMPLE sound("s", 8000, 96);
    sound.Samples().WriteSample(10, -300);
    sound.Samples().WriteSample(40, 5000);
    sound.Samples().WriteSample(90, -32768);
    const BAT& overview = sound.Overview();
    ASSERT_EQ(overview.Frames(), 3u);
    EXPECT_EQ(static_cast<std::uint16_t>(overview.ReadSample(0)), 0x1380); // 5000/256 = 19, -32768/256 = -128
    EXPECT_EQ(static_cast<std::uint16_t>(overview.ReadSample(1)), 0x1380);
    EXPECT_EQ(static_cast<std::uint16_t>(overview.ReadSample(2)), 0x0080);

    WAVE_SAMPLE quiet("q", 8000, 32);
    quiet.Samples().WriteSample(3, -300);
    quiet.Samples().WriteSample(5, 255);
    // Both divisions go toward zero: 255 -> 0, -300 -> -1.
    EXPECT_EQ(static_cast<std::uint16_t>(quiet.Overview().ReadSample(0)), 0x00FF);
}

TEST(WAVE_SAMPLE, OverviewWindowsReachAcrossPagesAndStopAtTheEnd)
{
    const std::uint32_t frames = 2 * BAT::kFramesPerPage + 70;
    WAVE_SAMPLE sound("s", 44100, frames);
    std::uint32_t state = 12345;
    for (std::uint32_t i = 0; i < frames; ++i) {
        state = state * 1103515245u + 12345u;
        sound.Samples().WriteSample(i, static_cast<std::int16_t>(state >> 16));
    }
    const BAT& overview = sound.Overview();
    ASSERT_EQ(overview.Frames(), frames / 32);
    for (std::uint32_t k = 0; k < frames / 32; ++k) {
        std::int32_t high = -32768;
        std::int32_t low = 32767;
        for (std::uint32_t i = 32 * k; i < std::min(frames, 32 * k + 96); ++i) {
            high = std::max<std::int32_t>(high, sound.Sample(i));
            low = std::min<std::int32_t>(low, sound.Sample(i));
        }
        const auto expected = static_cast<std::uint16_t>((static_cast<std::uint8_t>(high / 256) << 8) |
                                                         static_cast<std::uint8_t>(low / 256));
        ASSERT_EQ(static_cast<std::uint16_t>(overview.ReadSample(k)), expected) << k;
    }
}

TEST(CWaveSample, FlatBlockCopiesIntoADocumentSound)
{
    CWaveSample flat("Flat", 22050, 9000);
    for (std::uint32_t i = 0; i < 9000; ++i)
        flat.Data()[i] = static_cast<std::int16_t>(i - 4500);

    const auto sound = flat.MakeDocumentSound();
    EXPECT_EQ(sound->Rate(), 22050u);
    EXPECT_EQ(sound->Frames(), 9000u);
    EXPECT_EQ(sound->Sample(8192), 8192 - 4500);

    EXPECT_TRUE(flat.CanBeTakenIntoDocument());
    flat.SetAttachment(std::make_unique<CWaveSample::CAttachment>());
    EXPECT_FALSE(flat.CanBeTakenIntoDocument());
}
