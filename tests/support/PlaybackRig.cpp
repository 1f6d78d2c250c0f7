#include "tests/support/PlaybackRig.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "devices/sound/CStreamSoundChannel.h"

namespace {

void Nothing(std::int16_t*, std::uint32_t, void*) {}

}  // namespace

PlaybackRig::PlaybackRig(std::uint16_t playAheadSetting)
    : player([this](int delta) { playbacks += delta; })
{
    channel = card.OpenChannel(44100, &CWavePlayer::RenderCallback, Nothing, &player, 2);
    channel->SetPlayAheadSetting(playAheadSetting);
    player.SetChannel(channel.get());
    card.Recording().Hold();
    channel->Start();
}

PlaybackRig::~PlaybackRig()
{
    Command([this] { player.StopPlayback(); });
    channel->Stop();
}

void PlaybackRig::Command(const std::function<void()>& command)
{
    std::atomic<bool> done{false};
    std::thread userInterface([&] {
        command();
        done = true;
    });
    // Let the card run only while a command waits for the audio side, so
    // that playback is held right after the command was taken.
    while (!done) {
        if (player.CommandPending())
            Advance(256);
        else
            std::this_thread::yield();
    }
    userInterface.join();
}

void PlaybackRig::Advance(std::uint64_t frames)
{
    card.Recording().Allow(frames);
    card.Recording().WaitUntilHeld();
}

std::vector<std::int16_t> PlaybackRig::Heard()
{
    const std::vector<std::int16_t> both = card.Recording().Samples();
    std::vector<std::int16_t> left(both.size() / 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        EXPECT_EQ(both[2 * i], both[2 * i + 1]) << "frame " << i;
        left[i] = both[2 * i];
    }
    return left;
}

std::size_t PlaybackRig::FirstSound()
{
    const std::vector<std::int16_t> heard = Heard();
    std::size_t i = 0;
    while (i < heard.size() && heard[i] == 0)
        ++i;
    return i;
}

void PlaybackRig::ExpectHeard(std::size_t least, const std::function<std::int16_t(std::size_t)>& expected)
{
    const std::vector<std::int16_t> heard = Heard();
    const std::size_t first = FirstSound();
    ASSERT_LT(first + least, heard.size());
    for (std::size_t k = 0; first + k < heard.size(); ++k)
        ASSERT_EQ(heard[first + k], expected(k)) << k;
}
