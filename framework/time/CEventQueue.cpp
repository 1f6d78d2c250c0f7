#include "framework/time/CEventQueue.h"

#include <algorithm>

ClockEventId CEventQueue::Add(std::int64_t at, std::function<void()> run)
{
    const ClockEventId id = fNextId++;
    fEvents.emplace(std::make_pair(at, id), std::move(run));
    return id;
}

bool CEventQueue::Remove(ClockEventId id)
{
    const auto found = std::find_if(fEvents.begin(), fEvents.end(), [id](const auto& e) { return e.first.second == id; });
    if (found == fEvents.end())
        return false;
    fEvents.erase(found);
    return true;
}

std::optional<CEventQueue::Event> CEventQueue::TakeDue(std::int64_t time)
{
    if (fEvents.empty() || fEvents.begin()->first.first > time)
        return std::nullopt;
    auto node = fEvents.extract(fEvents.begin());
    return Event{node.key().first, node.key().second, std::move(node.mapped())};
}

std::optional<std::int64_t> CEventQueue::NextTime() const
{
    if (fEvents.empty())
        return std::nullopt;
    return fEvents.begin()->first.first;
}
