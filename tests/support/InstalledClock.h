#pragma once
// A manual clock that is the program's clock while it lives.
#include "framework/time/CManualClock.h"

class InstalledClock : public CManualClock {
public:
    explicit InstalledClock(std::int64_t startMilliseconds = 0)
        : CManualClock(startMilliseconds), previous_(CClock::Install(this)) {}
    ~InstalledClock() override { CClock::Install(previous_); }

private:
    CClock* previous_;
};
