// Opening and slicing a five-minute loop as whole processes, side by side:
// `quillet-cli slice FILE --json`, sox's bare read of the same file
// (`sox FILE -t raw /dev/null`) and an onset slicer (`aubioonset FILE`).
// Prints how many times longer the others take than the batch tool.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench/FiveMinuteLoop.h"

extern char** environ;

namespace {

// Runs the program with its output thrown away; false when it could not run
// or did not succeed.
bool RunQuietly(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Time(benchmark::State& state, const std::vector<std::string>& command) {
    if (!RunQuietly(command)) {  // a first run warms the page cache
        state.SkipWithError(("cannot run " + command.front()).c_str());
        return;
    }
    for (auto _ : state)
        if (!RunQuietly(command)) state.SkipWithError(("failed: " + command.front()).c_str());
}

void BM_QuilletCliSlice(benchmark::State& state) {
    Time(state, {QUILLET_BINARY_DIR "/cli/quillet-cli", "slice", FiveMinuteLoop::Shared().Path(), "--json"});
}
void BM_SoxBareRead(benchmark::State& state) {
    Time(state, {"sox", FiveMinuteLoop::Shared().Path(), "-t", "raw", "/dev/null"});
}
void BM_AubioOnset(benchmark::State& state) { Time(state, {"aubioonset", FiveMinuteLoop::Shared().Path()}); }

BENCHMARK(BM_QuilletCliSlice)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_SoxBareRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_AubioOnset)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The console report, keeping each benchmark's wall time per run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0)
                seconds_[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        const double quillet = Find("BM_QuilletCliSlice");
        for (const auto& [name, goal] : {std::pair{"BM_SoxBareRead", 1.0}, {"BM_AubioOnset", 10.0}}) {
            const double other = Find(name);
            if (quillet > 0 && other > 0)
                std::printf("%s / BM_QuilletCliSlice = %.2f (goal: at least %.0f)\n", name, other / quillet, goal);
        }
    }

private:
    double Find(const std::string& prefix) const {
        for (const auto& [name, seconds] : seconds_)
            if (name.rfind(prefix, 0) == 0) return seconds;
        return 0;
    }
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
