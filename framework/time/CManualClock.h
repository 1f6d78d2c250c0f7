#pragma once
// The virtual clock: it moves only when told to. Sleep and Advance add to its
// time and run the scheduled callbacks that come due on the way, each with
// the clock reading the callback's own time, on the thread that advanced it.
// So a device conversation runs deterministically and a long time-out costs
// no real time. Reading is thread-safe, so a device thread may read it while
// a test advances it.
#include <atomic>
#include <mutex>

#include "framework/time/CClock.h"
#include "framework/time/CEventQueue.h"

class CManualClock : public CClock {
public:
    explicit CManualClock(std::int64_t startMilliseconds = 0) : fNow(startMilliseconds) {}

    std::int64_t Milliseconds() const override { return fNow.load(); }
    void Sleep(std::int64_t milliseconds) override { Advance(milliseconds); }
    ClockEventId Schedule(std::int64_t atMilliseconds, std::function<void()> run) override;
    void Cancel(ClockEventId id) override;

    void Advance(std::int64_t milliseconds);
    void AdvanceTicks(std::int64_t ticks) { Advance(TicksToMilliseconds(ticks)); }

private:
    void MoveTo(std::int64_t milliseconds);

    std::atomic<std::int64_t> fNow;
    std::mutex fQueueMutex;
    CEventQueue fQueue;
};
