#include "devices/sound/CFileSoundOutput.h"

#include "devices/sound/CSoundRecording.h"
#include "devices/sound/CStopSignal.h"

CFileSoundOutput::CFileSoundOutput(std::uint32_t rate, std::uint16_t channels, CSoundRecording& recording,
                                   std::string path, bool fast)
    : CClockedSoundOutput(rate, channels), fRecording(recording), fPath(std::move(path)), fFast(fast)
{
}

CFileSoundOutput::~CFileSoundOutput()
{
    Stop();
}

void CFileSoundOutput::Start(CSoundQueue& queue)
{
    fRecording.Begin(Rate(), Channels());
    if (fFast)
        fQueue.store(&queue);
    else
        CClockedSoundOutput::Start(queue);
    fStarted = true;
}

void CFileSoundOutput::Stop()
{
    fQueue.store(nullptr);
    CClockedSoundOutput::Stop();
    if (fStarted && !fPath.empty())
        fRecording.WriteWave(fPath);
    fStarted = false;
}

bool CFileSoundOutput::Pace(std::uint32_t milliseconds, CStopSignal& stop)
{
    if (!fFast)
        return CClockedSoundOutput::Pace(milliseconds, stop);
    CSoundQueue* queue = fQueue.load();
    if (!queue)
        return !stop.IsSet();
    std::uint32_t remaining = static_cast<std::uint32_t>(std::uint64_t{milliseconds} * Rate() / 1000) +
                              fRecording.TakeStall();
    while (remaining > 0) {
        const std::uint32_t room = fRecording.WaitForRoom(remaining, stop);
        if (room == 0)
            return false;
        Pull(*queue, room);
        remaining -= room;
    }
    return !stop.IsSet();
}

void CFileSoundOutput::Consume(const std::int16_t* frames, std::uint32_t count)
{
    fRecording.Append(frames, count);
}
