#pragma once
// The real clock: std::chrono::steady_clock.
#include "framework/time/CClock.h"

class CSteadyClock : public CClock {
public:
    std::int64_t Milliseconds() const override;
    void Sleep(std::int64_t milliseconds) override;
};
