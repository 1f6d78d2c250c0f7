#include "devices/sound/CSoundRecording.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <utility>

#include "devices/sound/CStopSignal.h"

namespace {

void PutLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

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
    std::vector<char> bytes;
    {
        std::lock_guard lock(fMutex);
        const std::uint64_t dataBytes = fSamples.size() * 2;
        if (dataBytes > 0xFFFFFFFFull - 36)
            return false;
        const auto data = static_cast<std::uint32_t>(dataBytes);
        bytes.reserve(44 + data);
        bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
        PutLittleEndian(bytes, 36 + data, 4);
        bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
        PutLittleEndian(bytes, 16, 4);
        PutLittleEndian(bytes, 1, 2);  // PCM
        PutLittleEndian(bytes, fChannels, 2);
        PutLittleEndian(bytes, fRate, 4);
        PutLittleEndian(bytes, fRate * fChannels * 2, 4);
        PutLittleEndian(bytes, fChannels * 2, 2);
        PutLittleEndian(bytes, 16, 2);
        bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
        PutLittleEndian(bytes, data, 4);
        for (const std::int16_t sample : fSamples)
            PutLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(partial.c_str());
            return false;
        }
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return false;
    }
    return true;
}
