#pragma once
// Makes a clock the current one for the scope's lifetime, then puts the
// previous one back.
#include "framework/time/CClock.h"

class CClockScope {
public:
    explicit CClockScope(CClock& clock) : fPrevious(CClock::Install(&clock)) {}
    ~CClockScope() { CClock::Install(fPrevious); }
    CClockScope(const CClockScope&) = delete;
    CClockScope& operator=(const CClockScope&) = delete;

private:
    CClock* fPrevious;
};
