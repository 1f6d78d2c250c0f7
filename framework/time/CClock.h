#pragma once
// The program's monotonic clock in milliseconds, and the framework's ticks of
// 1/60 s derived from it. Everything that waits or measures time reads a
// CClock, so tests can run in virtual time with CManualClock.
#include <cstdint>

class CClock {
public:
    virtual ~CClock() = default;

    // Milliseconds since an arbitrary fixed point; never goes backwards.
    virtual std::int64_t Milliseconds() const = 0;
    // Blocks the calling thread for `milliseconds` (virtual clocks just advance).
    virtual void Sleep(std::int64_t milliseconds) = 0;

    // Ticks of 1/60 s: milliseconds * 6 / 100, in 64 bits so nothing wraps.
    std::int64_t Ticks() const { return MillisecondsToTicks(Milliseconds()); }
    static std::int64_t MillisecondsToTicks(std::int64_t ms) { return ms * 6 / 100; }
    static std::int64_t TicksToMilliseconds(std::int64_t ticks) { return ticks * 100 / 6; }

    // The clock the program uses; a CSteadyClock unless a test installed another.
    static CClock& Current();
    // Installs `clock` as the current one (nullptr restores the steady clock);
    // answers the previous one. The caller keeps ownership.
    static CClock* Install(CClock* clock);
};
