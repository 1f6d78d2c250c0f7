#include "devices/sound/CSoundRecording.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "devices/sound/CStopSignal.h"
#include "formats/sound/CWaveWriter.h"
#include "framework/exceptions/XBase.h"
#include "framework/files/CFileSpec.h"
#include "framework/streams/CSafeSaveFile.h"

std::uint64_t CSoundRecording::Frames() const
{
    std::lock_guard lock(fMutex);
    return fSamples.size() / fChannels;
}

std::uint16_t CSoundRecording::Channels() const
{
    std::lock_guard lock(fMutex);
    return fChannels;
}

std::uint32_t CSoundRecording::Rate() const
{
    std::lock_guard lock(fMutex);
    return fRate;
}

std::vector<std::int16_t> CSoundRecording::Samples() const
{
    std::lock_guard lock(fMutex);
    return fSamples;
}

void CSoundRecording::Begin(std::uint32_t rate, std::uint16_t channels)
{
    std::lock_guard lock(fMutex);
    if (channels != fChannels)
        fSamples.clear();
    fRate = rate;
    fChannels = channels;
}

void CSoundRecording::Append(const std::int16_t* frames, std::uint32_t count)
{
    {
        std::lock_guard lock(fMutex);
        fSamples.insert(fSamples.end(), frames, frames + std::size_t{count} * fChannels);
    }
    fChanged.notify_all();
}

std::uint32_t CSoundRecording::WaitForRoom(std::uint32_t wanted, const CStopSignal& stop)
{
    std::unique_lock lock(fMutex);
    for (;;) {
        if (stop.IsSet())
            break;
        const std::uint64_t recorded = fSamples.size() / fChannels;
        if (fLimit > recorded) {
            fWaiting = false;
            return static_cast<std::uint32_t>(std::min<std::uint64_t>(wanted, fLimit - recorded));
        }
        if (!fWaiting) {
            fWaiting = true;
            fChanged.notify_all();
        }
        // The stop signal has its own event; look at it every millisecond.
        fChanged.wait_for(lock, std::chrono::milliseconds(1));
    }
    fWaiting = false;
    return 0;
}

std::uint32_t CSoundRecording::TakeStall()
{
    std::lock_guard lock(fMutex);
    return std::exchange(fStall, 0);
}

void CSoundRecording::Hold()
{
    std::lock_guard lock(fMutex);
    fLimit = fSamples.size() / fChannels;
}

void CSoundRecording::Allow(std::uint64_t frames)
{
    {
        std::lock_guard lock(fMutex);
        fLimit = std::max<std::uint64_t>(fLimit, fSamples.size() / fChannels) + frames;
    }
    fChanged.notify_all();
}

void CSoundRecording::WaitUntilHeld()
{
    std::unique_lock lock(fMutex);
    fChanged.wait(lock, [this] { return fWaiting && fSamples.size() / fChannels >= fLimit; });
}

void CSoundRecording::Stall(std::uint32_t frames)
{
    std::lock_guard lock(fMutex);
    fStall += frames;
}

bool CSoundRecording::WriteWave(const std::string& path) const
{
    std::vector<std::int16_t> samples;
    std::uint32_t rate = 0;
    std::uint16_t channels = 0;
    {
        std::lock_guard lock(fMutex);
        samples = fSamples;
        rate = fRate;
        channels = fChannels;
    }
    if (samples.size() * 2 > 0xFFFFFFFFull - 36)
        return false;
    try {
        CSafeSaveFile stream{CFileSpec(path)};
        CWaveWriter writer(stream);
        writer.BeginForm("RIFF", "WAVE");
        writer.WriteFmt(channels, rate);
        writer.BeginChunk("data");
        writer.WriteSamples(samples.data(), static_cast<std::int64_t>(samples.size()));
        writer.EndChunk();
        writer.EndForm();
        stream.Commit();
    } catch (const XBase&) {
        return false;
    }
    return true;
}
