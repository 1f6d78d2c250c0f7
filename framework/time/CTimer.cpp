#include "framework/time/CTimer.h"

#include <chrono>
#include <system_error>

#include "framework/exceptions/Exceptions.h"

CTimer::CTimer(Callback callback, void* context, std::uint32_t periodMilliseconds)
    : fCallback(callback), fContext(context), fPeriod(periodMilliseconds)
{
    if (!fCallback || fPeriod == 0)
        throw XTimerFailed();
    try {
        fThread = std::thread(&CTimer::Run, this);
    } catch (const std::system_error&) {
        throw XTimerFailed();
    }
}

CTimer::~CTimer()
{
    {
        std::lock_guard lock(fMutex);
        fStopping = true;
    }
    fWake.notify_all();
    fThread.join();
}

void CTimer::Run()
{
    // Deadlines advance by whole periods, so a slow callback does not make the
    // timer drift; ticks that were missed entirely are skipped.
    const auto period = std::chrono::milliseconds(fPeriod);
    auto next = std::chrono::steady_clock::now() + period;
    std::unique_lock lock(fMutex);
    while (!fWake.wait_until(lock, next, [this] { return fStopping; })) {
        lock.unlock();
        fCallback(*this);
        lock.lock();
        next += period;
        const auto now = std::chrono::steady_clock::now();
        if (next < now)
            next = now + period;
    }
}
