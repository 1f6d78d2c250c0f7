// The frame every family's transfers stand on: the name helpers, the slice
// limit, the send loop (frames left only, progress, Stop), the receive loop
// with its channel choice, and the pause and alert around a transfer.
#include <gtest/gtest.h>

#include "framework/exceptions/Exceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/resources/ResourceScripts.h"
#include "samplers/transfer/CABCPlaybackPause.h"
#include "samplers/transfer/CABCSampleReceiver.h"
#include "samplers/transfer/CABCSampleTransmitter.h"
#include "samplers/transfer/LimitSlices.h"
#include "samplers/transfer/RunSamplerTransfer.h"
#include "samplers/transfer/SliceNames.h"
#include "samplers/transfer/TransferLoops.h"
#include "sound/CWaveSample.h"
#include "sound/WAVE_SAMPLE.h"
#include "tests/support/AlertRecorder.h"
#include "tests/support/RecordingProgress.h"

namespace {

// Takes chunks of 7 frames and keeps what it was given; the sample it
// announces may be longer than the slice (`extra` frames).
class CKeepingTransmitter : public CABCSampleTransmitter {
public:
    explicit CKeepingTransmitter(std::uint32_t extra) : fExtra(extra) {}
    FrameWidth Begin(const SampleFormat& format) override
    {
        Start(format.length + fExtra, 7);
        return FrameWidth::k16;
    }
    void SendChunk(const void* frames, std::uint32_t count) override
    {
        const auto* samples = static_cast<const std::int16_t*>(frames);
        kept.insert(kept.end(), samples, samples + count);
        CountSent(count);
        if (FramesRemaining() == 0)
            End();
    }
    void Cancel() override
    {
        ++cancels;
        End();
    }
    std::vector<std::int16_t> kept;
    int cancels = 0;

private:
    std::uint32_t fExtra;
};

// Delivers a stereo sample of 32-bit words in chunks of 3 frames.
class CStereoReceiver : public CABCSampleReceiver {
public:
    void Begin(SampleFormat& format, FrameWidth& width) override
    {
        format.channels = 2;
        format.bits = 24;
        format.rate = 32000;
        format.length = 5;
        width = FrameWidth::k32;
        Start(5, 3);
    }
    void ReceiveChunk(void* destination, std::uint32_t count) override
    {
        auto* words = static_cast<std::int32_t*>(destination);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::int32_t frame = static_cast<std::int32_t>(FramesReceived() + i);
            words[2 * i] = (frame * 1000) << 16;
            words[2 * i + 1] = (-frame * 1000 - 2) << 16;
        }
        CountReceived(count);
        if (FramesRemaining() == 0)
            End();
    }
};

WAVE_SAMPLE Ramp(std::uint32_t frames)
{
    std::vector<std::int16_t> samples(frames);
    for (std::uint32_t i = 0; i < frames; ++i)
        samples[i] = static_cast<std::int16_t>(i + 1);
    return WAVE_SAMPLE("Ramp", 44100, frames, samples.data());
}

class CCountingPause : public CABCPlaybackPause {
public:
    void PausePlayback() override { ++depth; }
    void ResumePlayback() override { --depth; }
    int depth = 0;
};

}  // namespace

TEST(TransferFrame, NameHelpers)
{
    EXPECT_EQ(CutExtension("LOOP..WAV"), "LOOP");
    EXPECT_EQ(CutExtension("LOOP"), "LOOP");
    EXPECT_EQ(SliceSampleName("KICK", 4, 8), "KICK   5");
    EXPECT_EQ(SliceSampleName("BREAKBEAT", 11, 8), "BREAK 12");
    EXPECT_EQ(SliceSampleName("X", 122, 4), "X123");
    EXPECT_EQ(SliceSampleName("X", 1233, 3), "234");
    EXPECT_EQ(CollapseBlanks("A  B   C "), "A B C ");
    EXPECT_EQ(KeepAllowed("a-B_c!", "ABCabc-", "NONE"), "a-Bc");
    EXPECT_EQ(KeepAllowed("__", "AB", "NONE"), "NONE");
    EXPECT_EQ(UpperCase("Loop 7b"), "LOOP 7B");
}

TEST(TransferFrame, SliceLimitAsksAndCutsOrStops)
{
    AlertRecorder ok(33);
    EXPECT_EQ(LimitSlices(12, 12), 12);
    EXPECT_TRUE(ok.shown.empty());
    EXPECT_EQ(LimitSlices(20, 12), 12);
    ASSERT_EQ(ok.shown.size(), 1u);
    EXPECT_NE(ok.Message(0).find("You've got 20 slices, but the sampler can only use 12. Would you like to use "
                                       "the first 12 slices?"),
              std::string::npos);
    AlertRecorder cancel(34);
    EXPECT_THROW(LimitSlices(20, 12), XSampleTransmitCancelled);
}

TEST(TransferFrame, SendFramesCopiesOnlyTheFramesLeftAndPadsWithSilence)
{
    const WAVE_SAMPLE slice = Ramp(17);
    CLengthyOperation progress("Slices left:", "Stop");
    for (const std::uint32_t extra : {0u, 5u}) {
        CKeepingTransmitter transmitter(extra);
        transmitter.Begin(SliceFormat(slice));
        SendFrames(transmitter, slice, 8, progress, 1);
        ASSERT_EQ(transmitter.kept.size(), 17u + extra);
        for (std::uint32_t i = 0; i < 17; ++i)
            EXPECT_EQ(transmitter.kept[i], static_cast<std::int16_t>(i + 1));
        for (std::uint32_t i = 17; i < 17 + extra; ++i)
            EXPECT_EQ(transmitter.kept[i], 0) << i;
    }
}

TEST(TransferFrame, StopDuringSendFramesCancelsTheTransmitter)
{
    RecordingPresenter presenter;
    presenter.pressAtOnce = true;
    const WAVE_SAMPLE slice = Ramp(30);
    CLengthyOperation progress("Slices left:", "Stop");
    progress.ShowNow();
    CKeepingTransmitter transmitter(0);
    transmitter.Begin(SliceFormat(slice));
    EXPECT_THROW(SendFrames(transmitter, slice, 8, progress, 3), XSampleTransmitCancelled);
    EXPECT_EQ(transmitter.cancels, 1);
    EXPECT_EQ(progress.Title(), GetResourceString(Res::kStringSampleTransmitCancelled));
}

TEST(TransferFrame, ReceiveFramesKeepsTheTopSixteenBitsAndTheChosenChannel)
{
    CLengthyOperation progress("Receiving sample...", "Stop");
    CStereoReceiver receiver;
    const ReceivedSample received = ReceiveFrames(receiver, progress);
    ASSERT_EQ(received.Frames(), 5u);
    EXPECT_EQ(received.format.rate, 32000u);
    const struct {
        ReceivedChannel channel;
        std::int16_t third;  // frame 2
    } choices[] = {{ReceivedChannel::kLeft, 2000}, {ReceivedChannel::kRight, -2002}, {ReceivedChannel::kMix, -1}};
    for (const auto& choice : choices) {
        const std::unique_ptr<CWaveSample> sound = received.MakeSound(choice.channel, "Sample 4");
        EXPECT_EQ(sound->Frames(), 5u);
        EXPECT_EQ(sound->Rate(), 32000u);
        EXPECT_STREQ(sound->Name(), "Sample 4");
        EXPECT_EQ(sound->Data()[2], choice.third);
    }
}

TEST(TransferFrame, TransferRunsWithPlaybackPausedAndEndsInTheLaddersAlert)
{
    AlertRecorder alerts;
    CCountingPause pause;
    int depthDuring = 0;
    EXPECT_EQ(RunSamplerTransfer(&pause, [&] { depthDuring = pause.depth; }), TransferOutcome::kDone);
    EXPECT_EQ(depthDuring, 1);
    EXPECT_EQ(RunSamplerTransfer(&pause, [] { throw XSDSCancelled(); }), TransferOutcome::kFailed);
    EXPECT_EQ(RunSamplerTransfer(nullptr, [] { throw XSampleTransmitCancelled(); }), TransferOutcome::kStopped);
    EXPECT_EQ(pause.depth, 0);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.Title(0), "Operation rejected by sampler!");
}
