#include "devices/sound/CStopSignal.h"

#include <chrono>

void CStopSignal::Set()
{
    {
        std::lock_guard lock(fMutex);
        fSet = true;
    }
    fChanged.notify_all();
}

void CStopSignal::Reset()
{
    std::lock_guard lock(fMutex);
    fSet = false;
}

bool CStopSignal::IsSet() const
{
    std::lock_guard lock(fMutex);
    return fSet;
}

bool CStopSignal::WaitFor(std::uint32_t milliseconds)
{
    std::unique_lock lock(fMutex);
    return fChanged.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return fSet; });
}
