#pragma once
// The program's monotonic clock in milliseconds, and the framework's ticks of
// 1/60 s derived from it. Everything that waits or measures time reads a
// CClock, so tests can run in virtual time with CManualClock. A clock also
// runs callbacks at given times: a real clock on its own event thread, a
// virtual clock inside the Sleep that reaches their time.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "framework/time/CEventQueue.h"

class CEventThread;

class CClock {
public:
    CClock();
    virtual ~CClock();
    CClock(const CClock&) = delete;
    CClock& operator=(const CClock&) = delete;

    // Milliseconds since an arbitrary fixed point; never goes backwards.
    virtual std::int64_t Milliseconds() const = 0;
    // Blocks the calling thread for `milliseconds` (virtual clocks just advance).
    virtual void Sleep(std::int64_t milliseconds) = 0;

    // Runs `run` once when this clock reaches `atMilliseconds` (soon, when
    // that time has passed). Callbacks of one clock never run at the same time.
    virtual ClockEventId Schedule(std::int64_t atMilliseconds, std::function<void()> run);
    // Removes a waiting callback; one that is running on another thread is
    // waited for, so what it uses may be destroyed after Cancel returns.
    virtual void Cancel(ClockEventId id);

    // Ticks of 1/60 s: milliseconds * 6 / 100, in 64 bits so nothing wraps.
    std::int64_t Ticks() const { return MillisecondsToTicks(Milliseconds()); }
    static std::int64_t MillisecondsToTicks(std::int64_t ms) { return ms * 6 / 100; }
    static std::int64_t TicksToMilliseconds(std::int64_t ticks) { return ticks * 100 / 6; }

    // The clock the program uses; a CSteadyClock unless a test installed another.
    static CClock& Current();
    // Installs `clock` as the current one (nullptr restores the steady clock);
    // answers the previous one. The caller keeps ownership.
    static CClock* Install(CClock* clock);

private:
    std::mutex fEventThreadMutex;
    std::unique_ptr<CEventThread> fEventThread;
};
