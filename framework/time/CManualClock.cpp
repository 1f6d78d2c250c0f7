#include "framework/time/CManualClock.h"

ClockEventId CManualClock::Schedule(std::int64_t atMilliseconds, std::function<void()> run)
{
    std::lock_guard lock(fQueueMutex);
    return fQueue.Add(atMilliseconds, std::move(run));
}

void CManualClock::Cancel(ClockEventId id)
{
    std::lock_guard lock(fQueueMutex);
    fQueue.Remove(id);
}

void CManualClock::Advance(std::int64_t milliseconds)
{
    // A callback may sleep in its turn; the time only ever moves forward.
    const std::int64_t target = fNow.load() + (milliseconds > 0 ? milliseconds : 0);
    for (;;) {
        std::optional<CEventQueue::Event> event;
        {
            std::lock_guard lock(fQueueMutex);
            event = fQueue.TakeDue(target);
        }
        if (!event)
            break;
        MoveTo(event->at);
        event->run();
    }
    MoveTo(target);
}

void CManualClock::MoveTo(std::int64_t milliseconds)
{
    std::int64_t now = fNow.load();
    while (now < milliseconds && !fNow.compare_exchange_weak(now, milliseconds)) {
    }
}
