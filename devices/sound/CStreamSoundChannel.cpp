#include "devices/sound/CStreamSoundChannel.h"

#include <algorithm>
#include <pthread.h>
#include <sched.h>

#include "devices/sound/CSoundOutput.h"
#include "framework/exceptions/XBase.h"
#include "framework/time/CClock.h"

namespace {

constexpr std::uint32_t kFrames44100[CStreamSoundChannel::kSettingCount] = {
    441, 661, 882, 1102, 1323, 1764, 2205, 2646, 3087, 3969, 4410, 5292, 6174, 7938, 8820, 11025, 13230, 15435};
constexpr std::uint32_t kMilliseconds44100[CStreamSoundChannel::kSettingCount] = {
    10, 15, 20, 25, 30, 40, 50, 60, 70, 90, 100, 120, 140, 180, 200, 250, 300, 350};
constexpr std::uint32_t kFrames48000[CStreamSoundChannel::kSettingCount] = {
    480, 720, 960, 1200, 1440, 1920, 2400, 2880, 3360, 4320, 4800, 5280, 5760, 6720, 8640, 9600, 12000, 14400};
constexpr std::uint32_t kMilliseconds48000[CStreamSoundChannel::kSettingCount] = {
    10, 15, 20, 25, 30, 40, 50, 60, 70, 90, 100, 110, 120, 140, 180, 200, 250, 300};

// The feeder should not wait behind the user interface; without the right to
// real-time scheduling it keeps the normal priority.
void RaiseFeederPriority(std::thread& thread)
{
    sched_param parameters{};
    parameters.sched_priority = sched_get_priority_max(SCHED_FIFO);
    pthread_setschedparam(thread.native_handle(), SCHED_FIFO, &parameters);
}

}  // namespace

bool CStreamSoundChannel::HasTables(std::uint32_t rate)
{
    return rate == 44100 || rate == 48000;
}

CStreamSoundChannel::CStreamSoundChannel(CRegisteredSoundCard& card, std::uint32_t rate, SoundRenderCallback a,
                                         SoundRenderCallback b, void* userData, std::uint16_t channels,
                                         std::unique_ptr<CSoundOutput> output)
    : CSoundChannel(card, CSoundQueue::kFrames, rate, a, b, userData, channels),
      fAheadFrames(rate == 48000 ? kFrames48000 : kFrames44100),
      fAheadMilliseconds(rate == 48000 ? kMilliseconds48000 : kMilliseconds44100), fOutput(std::move(output)),
      fQueue(channels)
{
    if (!HasTables(rate))
        throw XBase();
}

CStreamSoundChannel::~CStreamSoundChannel()
{
    Stop();
    if (fFeeder.joinable())
        fFeeder.join();
}

void CStreamSoundChannel::SetPlayAheadSetting(std::uint16_t index)
{
    fSetting.store(std::min<std::uint16_t>(index, kSettingCount - 1));
}

std::uint32_t CStreamSoundChannel::GetPlayAheadMilliseconds(std::uint16_t index) const
{
    return fAheadMilliseconds[std::min<std::uint16_t>(index, kSettingCount - 1)];
}

std::uint32_t CStreamSoundChannel::AheadFrames(std::uint16_t index) const
{
    return fAheadFrames[std::min<std::uint16_t>(index, kSettingCount - 1)];
}

std::uint32_t CStreamSoundChannel::ServicePeriodMilliseconds(std::uint16_t index) const
{
    return std::max<std::uint32_t>(1, AheadFrames(index) * 1000 / (Rate() * 8));
}

bool CStreamSoundChannel::IsRunning() const
{
    return fFeeder.joinable() && !fStop.IsSet() && !fFeederFinished.load();
}

void CStreamSoundChannel::JoinFinishedFeeder()
{
    if (fFeeder.joinable() && fFeederFinished.load())
        fFeeder.join();
}

void CStreamSoundChannel::Start()
{
    JoinFinishedFeeder();
    if (fFeeder.joinable())
        return;
    fQueue.Reset();
    fUnderruns.store(0);
    fStop.Reset();
    fFeederFinished.store(false);
    Fill(AheadFrames(fSetting.load()));
    fOutput->Start(fQueue);
    fOutputStarted = true;
    try {
        fFeeder = std::thread(&CStreamSoundChannel::Feed, this);
    } catch (const std::system_error&) {
        fOutput->Stop();
        fOutputStarted = false;
        throw XBase();
    }
    RaiseFeederPriority(fFeeder);
}

void CStreamSoundChannel::Stop()
{
    if (!fFeeder.joinable())
        return;
    fStop.Set();
    CClock& clock = CClock::Current();
    const std::int64_t since = clock.Milliseconds();
    while (!fFeederFinished.load() && clock.Milliseconds() - since < kStopGraceMilliseconds)
        clock.Sleep(1);
    JoinFinishedFeeder();
    if (fOutputStarted) {
        fOutput->Stop();
        fOutputStarted = false;
    }
}

void CStreamSoundChannel::Feed()
{
    try {
        do
            Service();
        while (fOutput->Pace(ServicePeriodMilliseconds(fSetting.load()), fStop));
    } catch (...) {
        // A render callback that fails ends the feeding; the queue drains.
    }
    fFeederFinished.store(true);
}

void CStreamSoundChannel::Service()
{
    const std::uint32_t ahead = AheadFrames(fSetting.load());
    const auto queued = static_cast<std::uint32_t>(fQueue.Written() - fQueue.Played());
    if (queued < 1)
        fUnderruns.fetch_add(1);
    const std::uint32_t toWrite = queued < ahead ? ahead - queued : 0;
    if (toWrite >= ahead / 8)
        Fill(toWrite);
}

void CStreamSoundChannel::Fill(std::uint32_t frames)
{
    frames = std::min(frames, CSoundQueue::kFrames);
    const std::uint64_t written = fQueue.Written();
    const auto offset = static_cast<std::uint32_t>(written % CSoundQueue::kFrames);
    const std::uint32_t first = std::min(frames, CSoundQueue::kFrames - offset);
    Render(fQueue.FrameAt(written), first);
    if (frames > first)
        Render(fQueue.FrameAt(written + first), frames - first);
    fQueue.Commit(frames);
}
