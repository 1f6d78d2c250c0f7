// The feeder-driven channel over the file card in fast mode: what the
// callbacks render is what is recorded, in order, with the play-ahead rules.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "devices/sound/CRegisteredFileSoundCard.h"
#include "devices/sound/CRegisteredNullSoundCard.h"
#include "devices/sound/CStreamSoundChannel.h"
#include "framework/exceptions/XBase.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/InstalledClock.h"

namespace {

// Renders a running frame counter into both channels of each frame.
struct Counter {
    std::atomic<std::uint32_t> next{0};
    std::atomic<int> calls{0};
    std::vector<char> order;  // 'A' and 'B' as the callbacks were called
};

void CountA(std::int16_t* frames, std::uint32_t count, void* user)
{
    auto* counter = static_cast<Counter*>(user);
    counter->order.push_back('A');
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto value = static_cast<std::int16_t>(counter->next++ % 30000 + 1);
        frames[2 * i] = value;
        frames[2 * i + 1] = static_cast<std::int16_t>(-value);
    }
    ++counter->calls;
}

void OnlyNoteB(std::int16_t*, std::uint32_t, void* user)
{
    static_cast<Counter*>(user)->order.push_back('B');
}

}  // namespace

TEST(StreamSoundChannel, PlayAheadTablesAndServicePeriods)
{
    CRegisteredFileSoundCard card("", true);
    Counter counter;
    auto channel = card.OpenChannel(44100, CountA, OnlyNoteB, &counter, 2);
    auto& stream = dynamic_cast<CStreamSoundChannel&>(*channel);
    EXPECT_EQ(stream.GetPlayAheadSettingCount(), 18);
    EXPECT_EQ(stream.GetPlayAheadSetting(), 17);
    EXPECT_EQ(stream.AheadFrames(17), 15435u);
    EXPECT_EQ(stream.ServicePeriodMilliseconds(17), 43u);
    EXPECT_EQ(stream.AheadFrames(0), 441u);
    EXPECT_EQ(stream.ServicePeriodMilliseconds(0), 1u);
    EXPECT_EQ(stream.GetPlayAheadMilliseconds(11), 120u);
    stream.SetPlayAheadSetting(400);  // from a damaged preferences file
    EXPECT_EQ(stream.GetPlayAheadSetting(), 17);

    auto channel48 = card.OpenChannel(48000, CountA, OnlyNoteB, &counter, 2);
    EXPECT_EQ(channel48->GetPlayAheadMilliseconds(11), 110u);
    EXPECT_EQ(dynamic_cast<CStreamSoundChannel&>(*channel48).AheadFrames(17), 14400u);
    // Rates outside the card's list are refused.
    EXPECT_THROW(card.OpenChannel(22050, CountA, OnlyNoteB, &counter, 2), XBase);
    EXPECT_THROW(card.OpenChannel(0, CountA, OnlyNoteB, &counter, 2), XBase);
}

TEST(StreamSoundChannel, RecordsExactlyWhatTheCallbacksRenderInOrder)
{
    CRegisteredFileSoundCard card("", true);
    Counter counter;
    auto channel = card.OpenChannel(44100, CountA, OnlyNoteB, &counter, 2);
    channel->SetPlayAheadSetting(3);
    CSoundRecording& recording = card.Recording();
    recording.Hold();
    channel->Start();
    recording.Allow(20000);
    recording.WaitUntilHeld();
    channel->Stop();

    const std::vector<std::int16_t> heard = recording.Samples();
    ASSERT_EQ(heard.size(), 2u * 20000);
    for (std::uint32_t i = 0; i < 20000; ++i) {
        ASSERT_EQ(heard[2 * i], static_cast<std::int16_t>(i % 30000 + 1)) << i;
        ASSERT_EQ(heard[2 * i + 1], -heard[2 * i]) << i;
    }
    ASSERT_EQ(counter.order.size() % 2, 0u);
    for (std::size_t i = 0; i < counter.order.size(); i += 2) {
        EXPECT_EQ(counter.order[i], 'A');
        EXPECT_EQ(counter.order[i + 1], 'B');
    }
    // The queue is kept topped up to the play-ahead and never overfilled.
    EXPECT_GE(counter.next.load(), 20000u);
    EXPECT_LE(counter.next.load(), 20000u + 1102);
    EXPECT_EQ(channel->GetUnderrunCount(), 0u);
}

TEST(StreamSoundChannel, CountsOneUnderrunPerServiceThatFindsTheQueueEmpty)
{
    CRegisteredFileSoundCard card("", true);
    Counter counter;
    auto channel = card.OpenChannel(44100, CountA, OnlyNoteB, &counter, 2);
    CSoundRecording& recording = card.Recording();
    recording.Hold();
    channel->Start();
    recording.Allow(4000);
    recording.WaitUntilHeld();
    EXPECT_EQ(channel->GetUnderrunCount(), 0u);

    for (std::uint32_t stalls = 1; stalls <= 3; ++stalls) {
        recording.Stall(20000);  // the consumer runs dry: the feeder was late
        recording.Allow(40000);
        recording.WaitUntilHeld();
        EXPECT_EQ(channel->GetUnderrunCount(), stalls);
    }
    channel->Stop();
    // Where the queue ran dry the card heard silence, not stale frames.
    const std::vector<std::int16_t> heard = recording.Samples();
    std::size_t silent = 0;
    for (const std::int16_t sample : heard)
        silent += sample == 0;
    EXPECT_GT(silent, 0u);
}

TEST(StreamSoundChannel, StopGivesUpOnAStuckFeederButDestructionWaitsForIt)
{
    struct Stuck {
        std::atomic<bool> armed{false};
        std::atomic<bool> entered{false};
        std::atomic<bool> released{false};
        std::atomic<bool> left{false};
    } stuck;
    auto block = [](std::int16_t* frames, std::uint32_t count, void* user) {
        auto* s = static_cast<Stuck*>(user);
        std::fill(frames, frames + 2 * count, std::int16_t{0});
        if (!s->armed)
            return;
        s->entered = true;
        while (!s->released)
            std::this_thread::yield();
        s->left = true;
    };
    auto nothing = [](std::int16_t*, std::uint32_t, void*) {};

    CRegisteredFileSoundCard card("", true);
    auto channel = card.OpenChannel(44100, block, nothing, &stuck, 2);
    channel->Start();  // the first fill runs on this thread, unarmed
    stuck.armed = true;
    while (!stuck.entered)
        std::this_thread::yield();

    {
        InstalledClock clock;
        channel->Stop();
        EXPECT_GE(clock.Milliseconds(), CStreamSoundChannel::kStopGraceMilliseconds);
    }
    EXPECT_FALSE(channel->IsRunning());
    EXPECT_FALSE(stuck.left);

    std::thread release([&] { stuck.released = true; });
    channel.reset();  // joins the feeder before anything it uses is freed
    EXPECT_TRUE(stuck.left);
    release.join();
}

TEST(FileSoundCard, WritesAWaveFileThatSoxReads)
{
    const CTempFolder folder;
    const std::filesystem::path path = folder / "card.wav";
    CRegisteredFileSoundCard card(path.string(), true);
    Counter counter;
    auto channel = card.OpenChannel(48000, CountA, OnlyNoteB, &counter, 2);
    card.Recording().Hold();
    channel->Start();
    card.Recording().Allow(4800);
    card.Recording().WaitUntilHeld();
    channel->Stop();

    const std::string file = " '" + path.string() + "'";
    EXPECT_EQ(RunCommand("soxi -r" + file + "; soxi -c" + file + "; soxi -s" + file + "; soxi -b" + file),
              "48000\n2\n4800\n16\n");
    const std::vector<std::int16_t> samples = SoxSamples(path);
    ASSERT_EQ(samples.size(), 9600u);
    EXPECT_EQ(samples[4], 3);  // the third frame's left sample
    // Bytes per second and block align of the stereo fmt chunk, which sox does not check.
    EXPECT_EQ(RunCommand("(od -An -tu4 -j28 -N4" + file + "; od -An -tu2 -j32 -N2" + file + ") | tr -d ' '"),
              "192000\n4\n");
    EXPECT_EQ(FileCount(folder.Path()), 1) << "temporary left";
}

TEST(NullSoundCard, PullsTheRenderOnItsOwnThread)
{
    CRegisteredNullSoundCard card;
    Counter counter;
    auto channel = card.OpenChannel(44100, CountA, OnlyNoteB, &counter, 2);
    channel->SetPlayAheadSetting(0);
    channel->Start();
    const int calls = counter.calls;
    while (counter.calls < calls + 3)
        std::this_thread::yield();
    channel->Stop();
    EXPECT_FALSE(channel->IsRunning());
}
