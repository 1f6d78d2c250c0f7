#include "framework/time/CClock.h"

#include <atomic>

#include "framework/time/CSteadyClock.h"

namespace {
CSteadyClock gSteadyClock;
std::atomic<CClock*> gCurrent{nullptr};
}  // namespace

CClock& CClock::Current()
{
    CClock* clock = gCurrent.load();
    return clock ? *clock : gSteadyClock;
}

CClock* CClock::Install(CClock* clock)
{
    CClock* previous = gCurrent.exchange(clock);
    return previous ? previous : &gSteadyClock;
}
