#pragma once
// A clock that moves only when told to: Sleep and Advance add to its time.
// Thread-safe, so a device thread may read it while a test advances it.
#include <atomic>

#include "framework/time/CClock.h"

class CManualClock : public CClock {
public:
    explicit CManualClock(std::int64_t startMilliseconds = 0) : fNow(startMilliseconds) {}

    std::int64_t Milliseconds() const override { return fNow.load(); }
    void Sleep(std::int64_t milliseconds) override { Advance(milliseconds); }

    void Advance(std::int64_t milliseconds) { fNow += milliseconds > 0 ? milliseconds : 0; }
    void AdvanceTicks(std::int64_t ticks) { Advance(TicksToMilliseconds(ticks)); }

private:
    std::atomic<std::int64_t> fNow;
};
