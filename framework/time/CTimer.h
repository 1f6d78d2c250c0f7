#pragma once
// A periodic timer whose callback runs on the timer's own thread, once per
// period, until the timer is destroyed. Construction raises XTimerFailed when
// the period is 0 or the thread cannot be started.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

class CTimer {
public:
    using Callback = void (*)(CTimer& timer);

    CTimer(Callback callback, void* context, std::uint32_t periodMilliseconds);
    ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    void* Context() const { return fContext; }

private:
    void Run();

    Callback fCallback;
    void* fContext;
    std::uint32_t fPeriod;
    std::mutex fMutex;
    std::condition_variable fWake;
    bool fStopping = false;
    std::thread fThread;
};
