#include "framework/time/CClock.h"

#include <atomic>

#include "framework/time/CEventThread.h"
#include "framework/time/CSteadyClock.h"

namespace {
CSteadyClock gSteadyClock;
std::atomic<CClock*> gCurrent{nullptr};
}  // namespace

CClock::CClock() = default;
CClock::~CClock() = default;

ClockEventId CClock::Schedule(std::int64_t atMilliseconds, std::function<void()> run)
{
    // The event thread waits on the steady clock; the delay is taken now in
    // this clock's own time.
    const std::int64_t steadyAt = CSteadyClock().Milliseconds() + (atMilliseconds - Milliseconds());
    std::lock_guard lock(fEventThreadMutex);
    if (!fEventThread)
        fEventThread = std::make_unique<CEventThread>();
    return fEventThread->Schedule(steadyAt, std::move(run));
}

void CClock::Cancel(ClockEventId id)
{
    CEventThread* thread;
    {
        std::lock_guard lock(fEventThreadMutex);
        thread = fEventThread.get();
    }
    if (thread)
        thread->Cancel(id);
}

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
