// The wave player heard through the file card: exact frames, loops, rates,
// locator changes, the heard position, and streams that stop answering.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "sound/WAVE_SAMPLE.h"
#include "tests/support/InstalledClock.h"
#include "tests/support/PlaybackRig.h"

namespace {

std::int16_t Ramp(std::uint32_t i)
{
    return static_cast<std::int16_t>(i + 1);
}

}  // namespace

TEST(WavePlayer, SlicePlaysExactlyItsFramesOnBothChannelsThenSilence)
{
    PlaybackRig rig(5);
    auto sound = MakeSound(44100, 4000, Ramp);
    CountingNotifier notifier;
    rig.Command([&] { rig.player.PlayRange(*sound, 1000, 1500, &notifier); });
    EXPECT_EQ(notifier.started, 1);
    EXPECT_EQ(rig.playbacks, 1);
    rig.Advance(10000);

    rig.ExpectHeard(500, [](std::size_t k) { return k < 500 ? Ramp(1000 + k) : 0; });

    // Once the heard position has run out, idle ends the playback.
    rig.Command([&] { rig.player.IdlePoll(); });
    EXPECT_EQ(rig.player.PlayingSample(), nullptr);
    EXPECT_EQ(notifier.stopped, 1);
    EXPECT_EQ(rig.playbacks, 0);
}

TEST(WavePlayer, LoopPlaybackWrapsExactly)
{
    PlaybackRig rig(5);
    auto sound = MakeSound(44100, 3000, Ramp);
    sound->SetLoop(1000, 1100, true);
    rig.Command([&] { rig.player.PlayLoop(*sound, 1050, nullptr); });
    rig.Advance(5000);

    rig.ExpectHeard(1000, [](std::size_t k) { return Ramp(k < 50 ? 1050 + k : 1000 + (k - 50) % 100); });
}

TEST(WavePlayer, LocatorsAtTheVeryEndNeverReadPastTheSound)
{
    PlaybackRig rig(5);
    // One full page: a read of frame 8192 would leave the store.
    auto sound = MakeSound(44100, 8192, Ramp);
    sound->SetLoop(8191, 8192, true);
    // A play position at the end of the sound.
    rig.Command([&] { rig.player.PlayLoop(*sound, 8192, nullptr); });
    rig.Advance(3000);
    rig.ExpectHeard(0, [](std::size_t) { return Ramp(8191); });
}

TEST(WavePlayer, HalfRateSoundInterpolatesHalfwayTowardZero)
{
    PlaybackRig rig(5);
    // Falling by 7: the midpoints are cut toward zero (s0 - 3, not s0 - 4).
    auto sound = MakeSound(22050, 100, [](std::uint32_t i) { return static_cast<std::int16_t>(1000 - 7 * i); });
    rig.Command([&] { rig.player.PlayAll(*sound, nullptr); });
    rig.Advance(5000);

    rig.ExpectHeard(200, [](std::size_t k) {
        const int s0 = 1000 - 7 * static_cast<int>(k / 2);
        // The last frame interpolates toward 0, then silence.
        return static_cast<std::int16_t>(k >= 200 ? 0 : k % 2 == 0 ? s0 : k < 198 ? s0 - 3 : s0 - s0 / 2);
    });
}

TEST(WavePlayer, MovingTheRightLocatorLeftOfTheReadPositionKeepsThePassToItsOldEnd)
{
    PlaybackRig rig(5);  // 40 ms: a latency of 1764 frames
    auto sound = MakeSound(44100, 30000, Ramp);
    sound->SetLoop(0, 20000, true);
    rig.Command([&] { rig.player.PlayLoop(*sound, 0, nullptr); });
    while (rig.player.GetPlayPosition() < 8000)
        rig.Advance(256);
    sound->SetLoopEnd(5000);
    rig.player.IdlePoll();
    rig.Advance(40000);

    rig.ExpectHeard(40000, [](std::size_t k) { return Ramp(k < 20000 ? k : (k - 20000) % 5000); });
}

TEST(WavePlayer, ReportedPositionStaysAtTheStartWhileTheLatencyDrains)
{
    PlaybackRig rig;  // 350 ms: a latency of 15435 frames
    auto sound = MakeSound(44100, 90000, Ramp);
    rig.Command([&] { rig.player.PlayRange(*sound, 5000, 90000, nullptr); });
    while (rig.FirstSound() == rig.Heard().size()) {
        EXPECT_EQ(rig.player.GetPlayPosition(), 5000u);
        rig.Advance(1000);
    }
    // Then the position follows what is heard, at most the play-ahead early.
    for (int i = 0; i < 20; ++i) {
        rig.Advance(2000);
        const std::uint32_t heardFrames = static_cast<std::uint32_t>(rig.Heard().size() - rig.FirstSound());
        const std::uint32_t position = rig.player.GetPlayPosition();
        EXPECT_LE(position, 5000u + heardFrames);
        EXPECT_GE(position + 15435, 5000u + heardFrames);
    }
}

TEST(WavePlayer, HeardPositionOfAOneFrameLoopStaysInsideTheLoop)
{
    PlaybackRig rig;  // 15435 frames of latency, one frame of loop
    auto sound = MakeSound(96000, 3000, Ramp);  // more than two frames per step
    sound->SetLoop(100, 101, true);
    rig.Command([&] { rig.player.PlayLoop(*sound, 100, nullptr); });
    for (int i = 0; i < 20; ++i) {
        rig.Advance(3000);
        EXPECT_EQ(rig.player.GetPlayPosition(), 100u);
    }
    rig.ExpectHeard(0, [](std::size_t) { return Ramp(100); });
}

TEST(WavePlayer, AStartThatTheStreamNeverAcknowledgesIsWithdrawn)
{
    CRegisteredFileSoundCard card("", true);
    CWavePlayer player;
    auto channel = card.OpenChannel(44100, &CWavePlayer::RenderCallback, &CWavePlayer::RenderCallback, &player, 2);
    player.SetChannel(channel.get());  // opened, never started: nothing renders
    auto sound = MakeSound(44100, 3000, Ramp);
    CountingNotifier notifier;

    {
        InstalledClock clock;
        player.PlayLoop(*sound, 0, &notifier);
        EXPECT_GE(clock.Milliseconds(), CWavePlayer::kAcknowledgeMilliseconds);
    }
    EXPECT_EQ(player.PlayingSample(), nullptr);
    EXPECT_EQ(notifier.started, 0);
    EXPECT_EQ(notifier.stopped, 0);
}

TEST(WavePlayer, AStopThatTheStreamNeverAcknowledgesEndsThePlaybackAndSilencesIt)
{
    CRegisteredFileSoundCard card("", true);
    int playbacks = 0;
    CWavePlayer player([&](int delta) { playbacks += delta; });
    auto channel = card.OpenChannel(44100, &CWavePlayer::RenderCallback, &CWavePlayer::RenderCallback, &player, 2);
    player.SetChannel(channel.get());
    auto sound = MakeSound(44100, 3000, Ramp);
    CountingNotifier notifier;

    // This test renders by hand, as a feeder would.
    std::atomic<bool> feeding{true};
    std::vector<std::int16_t> block(2 * 64);
    std::thread feeder([&] {
        while (feeding)
            player.RenderFrames(block.data(), 64);
    });
    player.PlayLoop(*sound, 0, &notifier);
    feeding = false;
    feeder.join();
    ASSERT_EQ(notifier.started, 1);

    {
        InstalledClock clock;
        player.StopPlayback();  // the stream has died
    }
    EXPECT_EQ(notifier.stopped, 1);
    EXPECT_EQ(playbacks, 0);
    EXPECT_EQ(player.PlayingSample(), nullptr);

    // Should the stream come back, it no longer plays the sound.
    sound.reset();
    player.RenderFrames(block.data(), 64);
    for (const std::int16_t sample : block)
        ASSERT_EQ(sample, 0);
}
