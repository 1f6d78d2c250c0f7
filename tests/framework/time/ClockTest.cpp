// Scheduled callbacks on the virtual clock and on the real one.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "framework/time/CManualClock.h"
#include "framework/time/CSteadyClock.h"

TEST(ManualClock, RunsCallbacksInTimeOrderAtTheirOwnTime)
{
    CManualClock clock(100);
    std::vector<std::pair<int, std::int64_t>> ran;
    auto note = [&](int which) { return [&, which] { ran.emplace_back(which, clock.Milliseconds()); }; };
    clock.Schedule(130, note(3));
    clock.Schedule(110, [&] {
        ran.emplace_back(1, clock.Milliseconds());
        clock.Schedule(clock.Milliseconds() + 5, note(2));  // due inside the same sleep
    });
    const ClockEventId cancelled = clock.Schedule(120, note(9));
    clock.Schedule(130, note(4));  // same time: after the one scheduled first
    clock.Schedule(500, note(5));
    clock.Cancel(cancelled);

    clock.Sleep(30);
    EXPECT_EQ(ran, (std::vector<std::pair<int, std::int64_t>>{{1, 110}, {2, 115}, {3, 130}, {4, 130}}));
    EXPECT_EQ(clock.Milliseconds(), 130);
    clock.Advance(1000);
    EXPECT_EQ(ran.back(), (std::pair<int, std::int64_t>{5, 500}));
    EXPECT_EQ(clock.Milliseconds(), 1130);
}

TEST(ManualClock, ACallbackThatSleepsNeverMovesTheClockBack)
{
    CManualClock clock;
    clock.Schedule(10, [&] { clock.Sleep(50); });
    clock.Sleep(20);
    EXPECT_EQ(clock.Milliseconds(), 60);
}

TEST(SteadyClock, RunsCallbacksOnItsEventThreadAndCancelWaitsForARunningOne)
{
    CSteadyClock clock;
    std::atomic<bool> started{false}, finished{false}, skipped{true};
    const std::int64_t now = clock.Milliseconds();
    const ClockEventId slow = clock.Schedule(now, [&] {
        started = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        finished = true;
    });
    const ClockEventId never = clock.Schedule(now + 60000, [&] { skipped = false; });
    while (!started)
        std::this_thread::yield();
    clock.Cancel(slow);
    EXPECT_TRUE(finished);
    clock.Cancel(never);
    EXPECT_TRUE(skipped);
}
