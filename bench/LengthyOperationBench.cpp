// Cost of a progress report: workers call Update once per item, so it must
// cost next to nothing between two window services.
#include <benchmark/benchmark.h>

#include "framework/progress/CLengthyOperation.h"
#include "framework/time/CManualClock.h"

namespace {

void UpdateOnTheSteadyClock(benchmark::State& state)
{
    CLengthyOperation operation("Slices left:", "Stop");
    std::int32_t left = 1 << 30;
    for (auto _ : state)
        operation.Update(--left, 50);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(UpdateOnTheSteadyClock);

void UpdateEveryMillisecondInVirtualTime(benchmark::State& state)
{
    CManualClock clock;
    CClock* previous = CClock::Install(&clock);
    {
        CLengthyOperation operation("Slices left:", "Stop");
        std::int32_t left = 1 << 30;
        for (auto _ : state) {
            clock.Advance(1);
            operation.Update(--left, 50);
        }
    }
    CClock::Install(previous);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(UpdateEveryMillisecondInVirtualTime);

}  // namespace

BENCHMARK_MAIN();
