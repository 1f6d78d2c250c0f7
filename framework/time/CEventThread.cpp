#include "framework/time/CEventThread.h"

#include <chrono>

#include "framework/time/CSteadyClock.h"

CEventThread::~CEventThread()
{
    {
        std::lock_guard lock(fMutex);
        fStopping = true;
    }
    fWake.notify_all();
    if (fThread.joinable())
        fThread.join();
}

ClockEventId CEventThread::Schedule(std::int64_t steadyMilliseconds, std::function<void()> run)
{
    std::lock_guard lock(fMutex);
    const ClockEventId id = fQueue.Add(steadyMilliseconds, std::move(run));
    if (!fThread.joinable())
        fThread = std::thread(&CEventThread::Run, this);
    fWake.notify_all();
    return id;
}

void CEventThread::Cancel(ClockEventId id)
{
    std::unique_lock lock(fMutex);
    if (fQueue.Remove(id) || std::this_thread::get_id() == fThread.get_id())
        return;
    fFinished.wait(lock, [this, id] { return fRunning != id; });
}

void CEventThread::Run()
{
    CSteadyClock steady;
    std::unique_lock lock(fMutex);
    while (!fStopping) {
        const std::int64_t now = steady.Milliseconds();
        if (auto event = fQueue.TakeDue(now)) {
            fRunning = event->id;
            lock.unlock();
            event->run();
            event->run = nullptr;  // what the callback holds goes before the next one runs
            lock.lock();
            fRunning = 0;
            fFinished.notify_all();
            continue;
        }
        if (const auto next = fQueue.NextTime())
            fWake.wait_for(lock, std::chrono::milliseconds(*next - now));
        else
            fWake.wait(lock);
    }
}
