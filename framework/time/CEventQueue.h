#pragma once
// Callbacks waiting for their time, in time order (equal times in the order
// they were added). Not locked: its owner guards it.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>

using ClockEventId = std::uint64_t;

class CEventQueue {
public:
    struct Event {
        std::int64_t at;
        ClockEventId id;
        std::function<void()> run;
    };

    ClockEventId Add(std::int64_t at, std::function<void()> run);
    // Whether the event was still waiting.
    bool Remove(ClockEventId id);
    // The earliest event due at or before `time`, taken out of the queue.
    std::optional<Event> TakeDue(std::int64_t time);
    std::optional<std::int64_t> NextTime() const;

private:
    std::map<std::pair<std::int64_t, ClockEventId>, std::function<void()>> fEvents;
    ClockEventId fNextId = 1;
};
