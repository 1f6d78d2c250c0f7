#pragma once
// A thread that runs callbacks at times of the steady clock (milliseconds of
// CSteadyClock), one at a time and in time order. It starts with the first
// event scheduled and ends with the object.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "framework/time/CEventQueue.h"

class CEventThread {
public:
    CEventThread() = default;
    // Drops the events still waiting; waits for one that is running.
    ~CEventThread();
    CEventThread(const CEventThread&) = delete;
    CEventThread& operator=(const CEventThread&) = delete;

    ClockEventId Schedule(std::int64_t steadyMilliseconds, std::function<void()> run);
    // Removes a waiting event. When the event is running on the thread, waits
    // until it has finished (unless called from the event itself).
    void Cancel(ClockEventId id);

private:
    void Run();

    std::mutex fMutex;
    std::condition_variable fWake;
    std::condition_variable fFinished;
    CEventQueue fQueue;
    ClockEventId fRunning = 0;
    bool fStopping = false;
    std::thread fThread;
};
