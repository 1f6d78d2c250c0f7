#include "framework/time/CSteadyClock.h"

#include <chrono>
#include <thread>

std::int64_t CSteadyClock::Milliseconds() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void CSteadyClock::Sleep(std::int64_t milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
