#include "cli/CliBatch.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>

#include "formats/sound/SoundFileOpen.h"
#include "framework/exceptions/GeneralExceptions.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kProgressDelay = std::chrono::seconds(1);
constexpr auto kProgressRefresh = std::chrono::milliseconds(100);

// File names that are not UTF-8 become U+FFFD in the text; the JSON stays valid.
std::string Dump(const nlohmann::ordered_json& json) {
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// The progress line on a terminal's standard error, written over in place.
class ProgressLine {
public:
    explicit ProgressLine(bool enabled) : enabled_(enabled && ::isatty(STDERR_FILENO)), start_(Clock::now()) {}

    void Show(std::size_t done, std::size_t total) {
        const auto elapsed = Clock::now() - start_;
        if (!enabled_ || elapsed < kProgressDelay) return;
        std::fprintf(stderr, "\r\033[K%zu of %zu files done, %.1f s", done, total,
                     std::chrono::duration<double>(elapsed).count());
        std::fflush(stderr);
        shown_ = true;
    }
    // Clears the line before other output.
    void Clear() {
        if (!shown_) return;
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        shown_ = false;
    }

private:
    bool enabled_;
    bool shown_ = false;
    Clock::time_point start_;
};

}  // namespace

CliFileResult FileFailure(const std::string& input, const std::exception_ptr& failure) {
    CliFileResult result;
    try {
        std::rethrow_exception(failure);
    } catch (const CliUsageError& error) {
        result.status = kCliUsage;
        result.err = input + ": " + error.what() + '\n';
    } catch (const XOutOfMemory&) {
        result.status = kCliFileFailed;
        result.err = FailureLine(input, Res::kAlertNotEnoughMemory, failure) + '\n';
    } catch (...) {
        result.status = kCliFileFailed;
        result.err = FailureLine(input, SoundFileAlert(failure), failure) + '\n';
    }
    return result;
}

void CliRunOptions::Define(CLI::App& command, const std::string& jsonHelp) {
    jobs = std::max(1u, std::thread::hardware_concurrency());
    command.add_option("-j,--jobs", jobs, "files processed at once: 1 to 256 (default: the number of cores)")
        ->check(CLI::Range(1, 256))
        ->option_text("N");
    command.add_flag("--quiet", quiet, "no progress line on a terminal");
    if (!jsonHelp.empty()) command.add_flag("--json", json, jsonHelp);
}

int CliBatch::Run(const std::vector<std::string>& inputs,
                  const std::function<CliFileResult(const std::string&)>& work) {
    std::vector<std::optional<CliFileResult>> results(inputs.size());
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < inputs.size(); i = next++) {
            CliFileResult result = work(inputs[i]);
            const std::lock_guard lock(mutex);
            results[i] = std::move(result);
            finished.notify_one();
        }
    };
    std::vector<std::jthread> threads;
    const std::size_t threadCount = std::min<std::size_t>(options_.jobs, inputs.size());
    for (std::size_t t = 0; t < threadCount; ++t) threads.emplace_back(worker);

    ProgressLine progress(!options_.quiet);
    int status = kCliOk;
    std::size_t done = 0;
    std::size_t printed = 0;
    if (options_.json && inputs.size() > 1) std::cout << "[\n";
    while (printed < inputs.size()) {
        std::unique_lock lock(mutex);
        finished.wait_for(lock, kProgressRefresh, [&] { return results[printed].has_value(); });
        done = static_cast<std::size_t>(std::count_if(results.begin(), results.end(), [](const auto& r) { return r.has_value(); }));
        std::vector<std::pair<std::size_t, CliFileResult>> ready;
        for (; printed < inputs.size() && results[printed]; ++printed) ready.emplace_back(printed, std::move(*results[printed]));
        lock.unlock();
        if (!ready.empty()) progress.Clear();
        for (auto& [index, result] : ready) {
            status = std::max(status, result.status);
            Print(inputs[index], result, index, inputs.size());
        }
        progress.Show(done, inputs.size());
    }
    progress.Clear();
    if (options_.json && inputs.size() > 1) std::cout << "]\n";
    std::cout.flush();
    return status;
}

void CliBatch::Print(const std::string& input, CliFileResult& result, std::size_t index, std::size_t count) {
    std::cerr << result.err;
    std::cerr.flush();
    if (!options_.json) {
        std::cout << result.out;
    } else {
        if (result.json.is_null()) {
            const std::string line = result.err.substr(0, result.err.find('\n'));
            const std::string prefix = input + ": ";
            result.json = {{"file", input},
                           {"error", line.compare(0, prefix.size(), prefix) == 0 ? line.substr(prefix.size()) : line}};
        }
        std::cout << Dump(result.json) << (count > 1 && index + 1 < count ? ",\n" : "\n");
    }
    std::cout.flush();
}
